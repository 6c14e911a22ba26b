<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About KAV Application System</source>
        <translation>关于 KAV 应用系统</translation>
    </message>
</context>
<context>
    <name>CAutoTracePage</name>
    <message>
        <source>SavePath</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Start to Save</source>
        <translation>开始保存</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Chooses the folder the live readings are logged to</source>
        <translation>选择实时读数记录到的文件夹</translation>
    </message>
    <message>
        <source>The folder the live readings are logged to</source>
        <translation>实时读数记录到的文件夹</translation>
    </message>
    <message>
        <source>Starts reading the instrument&apos;s power twice a second</source>
        <translation>开始读取仪器功率，每秒两次</translation>
    </message>
    <message>
        <source>Logs the live readings to a file in the chosen folder</source>
        <translation>把实时读数记录到所选文件夹中的文件</translation>
    </message>
    <message>
        <source>Stops reading the instrument</source>
        <translation>停止读取仪器</translation>
    </message>
    <message>
        <source>Please select the folder of save data</source>
        <translation>请选择保存数据的文件夹</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf||</source>
        <translation>PDF 文件 (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>The certificate could not be saved as %1: %2</source>
        <translation>证书无法保存为 %1：%2</translation>
    </message>
    <message>
        <source>Certificate saved as %1</source>
        <translation>证书已保存为 %1</translation>
    </message>
    <message>
        <source>TRACE File(*.trace)|*.trace||</source>
        <translation>跟踪文件(*.trace)|*.trace||</translation>
    </message>
    <message>
        <source>The trace could not be saved as %1: %2</source>
        <translation>跟踪记录无法保存为 %1：%2</translation>
    </message>
    <message>
        <source>Trace saved as %1</source>
        <translation>跟踪记录已保存为 %1</translation>
    </message>
</context>
<context>
    <name>CCableInfoDlg</name>
    <message>
        <source>Cable Information</source>
        <translation>光缆信息</translation>
    </message>
    <message>
        <source>Location A:</source>
        <translation>A 端位置：</translation>
    </message>
    <message>
        <source>Location B:</source>
        <translation>B 端位置：</translation>
    </message>
    <message>
        <source>Cable Mfr.:</source>
        <translation>光缆厂商：</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>光缆型号：</translation>
    </message>
    <message>
        <source>Custom cable 1:</source>
        <translation>自定义光缆 1：</translation>
    </message>
    <message>
        <source>Custom cable 2:</source>
        <translation>自定义光缆 2：</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>光缆编号：</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>Printed in the report&apos;s header after &quot;%1&quot;</source>
        <translation>打印在报告表头的“%1”之后</translation>
    </message>
    <message>
        <source>Save Header...</source>
        <translation>保存表头...</translation>
    </message>
    <message>
        <source>Saves the job, cable and system information to a header file</source>
        <translation>把工作、光缆和系统信息保存到表头文件</translation>
    </message>
    <message>
        <source>Load Header...</source>
        <translation>载入表头...</translation>
    </message>
    <message>
        <source>Fills the job, cable and system information from a header file</source>
        <translation>从表头文件填入工作、光缆和系统信息</translation>
    </message>
    <message>
        <source>%1 is not a report header.</source>
        <translation>%1 不是报告表头文件。</translation>
    </message>
    <message>
        <source>Report Header(*.kavheader)|*.kavheader|All Files (*)|*||</source>
        <translation>报告表头(*.kavheader)|*.kavheader|所有文件 (*)|*||</translation>
    </message>
</context>
<context>
    <name>CJobInfoDlg</name>
    <message>
        <source>Job Information</source>
        <translation>工作信息</translation>
    </message>
    <message>
        <source>Job ID:</source>
        <translation>工作编号：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>测试原因：</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>承包商：</translation>
    </message>
    <message>
        <source>Operator A:</source>
        <translation>A 端操作员：</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Operator B:</source>
        <translation>B 端操作员：</translation>
    </message>
    <message>
        <source>Custom job 1:</source>
        <translation>自定义工作 1：</translation>
    </message>
    <message>
        <source>Custom job 2:</source>
        <translation>自定义工作 2：</translation>
    </message>
</context>
<context>
    <name>CJobPane</name>
    <message>
        <source>Open Files (*.bin)|*.bin|Program documents (*.opm *.kav *.orl *.trace)|*.opm;*.kav;*.orl;*.trace|All Files (*)|*||</source>
        <translation>仪器文件 (*.bin)|*.bin|程序文档 (*.opm *.kav *.orl *.trace)|*.opm;*.kav;*.orl;*.trace|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>&amp;Show in KAV Table</source>
        <translation>在 KAV 表中显示(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;hoose This Test</source>
        <translation>选择此测试(&amp;H)</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>重命名(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Imports result files and documents into the job; you may also drop them here</source>
        <translation>把结果文件和文档导入工程；也可把它们拖放到这里</translation>
    </message>
    <message>
        <source>&amp;Plan...</source>
        <translation>计划(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Header</source>
        <translation>抬头(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Job Information...</source>
        <translation>工作信息(&amp;J)...</translation>
    </message>
    <message>
        <source>&amp;Cable Information...</source>
        <translation>光缆信息(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;System Information...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Edits the report header the job keeps</source>
        <translation>编辑工程保存的报告抬头</translation>
    </message>
    <message>
        <source>&amp;Limit...</source>
        <translation>限值(&amp;L)...</translation>
    </message>
    <message>
        <source>Chooses the limit the job&apos;s tests are certified against</source>
        <translation>选择工程的测试所依据的限值</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>显示(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Tests of the fiber:</source>
        <translation>光纤的测试(&amp;T)：</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>测试时间</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Tests of the fiber, current first</source>
        <translation>光纤的测试，当前测试在前</translation>
    </message>
    <message>
        <source>Shows the fiber&apos;s tests in the KAV table (Enter or a double-click does it too)</source>
        <translation>在 KAV 表中显示光纤的测试（按 Enter 或双击也可）</translation>
    </message>
    <message>
        <source>The selected test holds for the fiber; its other tests of that time stay in the job</source>
        <translation>所选测试作为该光纤的有效测试；同一时间的其他测试保留在工程中</translation>
    </message>
    <message>
        <source>Corrects a label typed wrongly at the unit; the original stays in the job (F2)</source>
        <translation>更正在仪器上输错的标签；原标签保留在工程中（F2）</translation>
    </message>
    <message>
        <source>%1 (read only)</source>
        <translation>%1（只读）</translation>
    </message>
    <message>
        <source>No job is open.</source>
        <translation>没有打开的工程。</translation>
    </message>
    <message>
        <source>All fibers (%1)</source>
        <translation>全部光纤（%1）</translation>
    </message>
    <message>
        <source>Failed (%1)</source>
        <translation>失败（%1）</translation>
    </message>
    <message>
        <source>Missing (%1)</source>
        <translation>缺失（%1）</translation>
    </message>
    <message>
        <source>Incomplete (%1)</source>
        <translation>不完整（%1）</translation>
    </message>
    <message>
        <source>Retested (%1)</source>
        <translation>已复测（%1）</translation>
    </message>
    <message>
        <source>In conflict (%1)</source>
        <translation>冲突（%1）</translation>
    </message>
    <message>
        <source>Imported as cable %1, fiber %2</source>
        <translation>导入时为光缆 %1，光纤 %2</translation>
    </message>
    <message>
        <source>Sets the cables and fibers the job expects</source>
        <translation>设置工程预期的光缆和光纤</translation>
    </message>
    <message>
        <source>Cables and fibers of the job</source>
        <translation>工程的光缆和光纤</translation>
    </message>
    <message>
        <source>&amp;Test Information...</source>
        <translation>测试信息(&amp;T)...</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1，由 %2</translation>
    </message>
    <message>
        <source>The connection to the server was lost: the job is shown as it was last read. Press F5 to reconnect.</source>
        <translation>与服务器的连接已断开：工程按最后一次读取时的状态显示。按 F5 重新连接。</translation>
    </message>
</context>
<context>
    <name>CKAVApp</name>
    <message>
        <source>The user guide is not installed.</source>
        <translation>用户指南未安装。</translation>
    </message>
    <message>
        <source>Reinstall the program to have it again.</source>
        <translation>请重新安装本程序以恢复用户指南。</translation>
    </message>
</context>
<context>
    <name>CKAVView</name>
    <message>
        <source>Open Files (*.bin)|*.bin|Program documents (*.opm *.kav *.orl *.trace)|*.opm;*.kav;*.orl;*.trace|All Files (*)|*||</source>
        <translation>仪器文件 (*.bin)|*.bin|程序文档 (*.opm *.kav *.orl *.trace)|*.opm;*.kav;*.orl;*.trace|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>OPM File(*.csv) | *.csv||</source>
        <translation>OPM 文件(*.csv) | *.csv||</translation>
    </message>
    <message>
        <source>OPM File(*.opm) | *.opm||</source>
        <translation>OPM 文件(*.opm) | *.opm||</translation>
    </message>
    <message>
        <source>KAV File(*.csv) | *.csv||</source>
        <translation>KAV 文件(*.csv) | *.csv||</translation>
    </message>
    <message>
        <source>KAV File(*.kav) | *.kav||</source>
        <translation>KAV 文件(*.kav) | *.kav||</translation>
    </message>
    <message>
        <source>ORL File(*.csv) | *.csv||</source>
        <translation>ORL 文件(*.csv) | *.csv||</translation>
    </message>
    <message>
        <source>ORL File(*.orl) | *.orl||</source>
        <translation>ORL 文件(*.orl) | *.orl||</translation>
    </message>
    <message>
        <source>TRACE File(*.trace) | *.trace ||</source>
        <translation>TRACE 文件(*.trace) | *.trace ||</translation>
    </message>
    <message>
        <source>Excel Workbook(*.xlsx) | *.xlsx||</source>
        <translation>Excel 工作簿(*.xlsx) | *.xlsx||</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>没有数据</translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>正在打印%1...</translation>
    </message>
    <message>
        <source>PDF File(*.pdf) | *.pdf||</source>
        <translation>PDF 文件(*.pdf) | *.pdf||</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在写入%1...</translation>
    </message>
    <message>
        <source>Writing the workbook...</source>
        <translation>正在写入工作簿...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an exiting document</source>
        <translation>打开一个已有文档</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Saves the document</source>
        <translation>保存文档</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...	Ctrl+Shift+S</source>
        <translation>另存为(&amp;A)...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Saves the document with a new name</source>
        <translation>以新名称保存文档</translation>
    </message>
    <message>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Prints all or part of the document </source>
        <translation>打印文档的全部或部分</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Save As CSV(&amp;C)</source>
        <translation>另存为 CSV(&amp;C)</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>把表格保存为 CSV 文件</translation>
    </message>
    <message>
        <source>Save As Excel(&amp;L)...</source>
        <translation>另存为 Excel(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the table as an Excel workbook</source>
        <translation>把表格保存为 Excel 工作簿</translation>
    </message>
    <message>
        <source>Print View(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Previews all document</source>
        <translation>预览整个文档</translation>
    </message>
    <message>
        <source>Print Setup(&amp;T)...</source>
        <translation>打印设置(&amp;T)...</translation>
    </message>
    <message>
        <source>Chooses the printer, the paper and its orientation for the reports</source>
        <translation>选择打印报告的打印机、纸张及方向</translation>
    </message>
    <message>
        <source>Report Options(&amp;N)...</source>
        <translation>报告选项(&amp;N)...</translation>
    </message>
    <message>
        <source>Chooses the company, logo, footer and language of the reports and how names are read</source>
        <translation>选择报告的公司、徽标、页脚和语言，以及名称的读取方式</translation>
    </message>
    <message>
        <source>Export PDF(&amp;E)...</source>
        <translation>导出 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>Writes the report as a PDF file</source>
        <translation>把报告写成 PDF 文件</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quits the application; Prompts to save documents</source>
        <translation>退出程序；提示保存文档</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Job Information(&amp;J)</source>
        <translation>工作信息(&amp;J)</translation>
    </message>
    <message>
        <source>Edits the job information of the report header</source>
        <translation>编辑报告表头的工作信息</translation>
    </message>
    <message>
        <source>Cable Information(&amp;C)</source>
        <translation>光缆信息(&amp;C)</translation>
    </message>
    <message>
        <source>Edits the cable information of the report header</source>
        <translation>编辑报告表头的光缆信息</translation>
    </message>
    <message>
        <source>System Information(&amp;S)</source>
        <translation>系统信息(&amp;S)</translation>
    </message>
    <message>
        <source>Edits the system information of the report header</source>
        <translation>编辑报告表头的系统信息</translation>
    </message>
    <message>
        <source>Test Limits(&amp;L)...</source>
        <translation>测试阈值(&amp;L)...</translation>
    </message>
    <message>
        <source>Chooses the limit the loss tests are certified against</source>
        <translation>选择损耗测试判定所依据的阈值</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Limit, Margin and Result Columns(&amp;M)</source>
        <translation>阈值、余量和结果列(&amp;M)</translation>
    </message>
    <message>
        <source>Shows each wavelength&apos;s limit, margin and result in the KAV table</source>
        <translation>在 KAV 表中显示每个波长的阈值、余量和结果</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About KAV(&amp;A)...</source>
        <translation>关于 KAV(&amp;A)...</translation>
    </message>
    <message>
        <source>Displays the programm information and copyright</source>
        <translation>显示程序信息和版权</translation>
    </message>
    <message>
        <source>Language(&amp;G)</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <source>Speaks this language from the program&apos;s next start</source>
        <translation>程序下次启动时使用此语言</translation>
    </message>
    <message>
        <source>The language takes effect when the program is started again.</source>
        <translation>语言将在程序重新启动后生效。</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Opens an instrument file or a document (Ctrl+O)</source>
        <translation>打开仪器文件或文档 (Ctrl+O)</translation>
    </message>
    <message>
        <source>Saves the selected tab&apos;s records (Ctrl+S)</source>
        <translation>保存当前标签页的记录 (Ctrl+S)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Prints the selected tab&apos;s report (Ctrl+P)</source>
        <translation>打印当前标签页的报告 (Ctrl+P)</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>最近的文件(&amp;R)</translation>
    </message>
    <message>
        <source>%1 is shown on the %2 tab.</source>
        <translation>%1 已显示在“%2”标签页上。</translation>
    </message>
    <message>
        <source>User Guide(&amp;U)	F1</source>
        <translation>用户指南(&amp;U)	F1</translation>
    </message>
    <message>
        <source>Opens the user guide: a page for each task, with pictures</source>
        <translation>打开用户指南：每项任务一页，附有图片</translation>
    </message>
    <message>
        <source>New Job(&amp;W)...</source>
        <translation>新建工程(&amp;W)...</translation>
    </message>
    <message>
        <source>Starts a job: many result files, one plan and one handover report</source>
        <translation>新建工程：多个结果文件，一个计划，一份交付报告</translation>
    </message>
    <message>
        <source>Open Job(&amp;B)...</source>
        <translation>打开工程(&amp;B)...</translation>
    </message>
    <message>
        <source>Import into Job(&amp;I)...</source>
        <translation>导入到工程(&amp;I)...</translation>
    </message>
    <message>
        <source>Imports result files and documents into the open job</source>
        <translation>把结果文件和文档导入打开的工程</translation>
    </message>
    <message>
        <source>Export Job Report(&amp;D)...</source>
        <translation>导出工程报告(&amp;D)...</translation>
    </message>
    <message>
        <source>Writes the open job&apos;s handover report as a PDF file</source>
        <translation>把打开的工程的交付报告写为 PDF 文件</translation>
    </message>
    <message>
        <source>Export Job Workbook(&amp;K)...</source>
        <translation>导出工程工作簿(&amp;K)...</translation>
    </message>
    <message>
        <source>Writes the open job&apos;s results, verdicts, completeness, history and files as an Excel workbook</source>
        <translation>把打开的工程的结果、判定、完整性、历史和文件写为 Excel 工作簿</translation>
    </message>
    <message>
        <source>Close Job(&amp;U)</source>
        <translation>关闭工程(&amp;U)</translation>
    </message>
    <message>
        <source>Closes the open job</source>
        <translation>关闭打开的工程</translation>
    </message>
    <message>
        <source>Test Information(&amp;T)</source>
        <translation>测试信息(&amp;T)</translation>
    </message>
    <message>
        <source>Edits the reference method, test cords, calibration and instrument of the report header</source>
        <translation>编辑报告页眉的参考方法、测试跳线、校准和仪器</translation>
    </message>
    <message>
        <source>Clear Report Header(&amp;H)...</source>
        <translation>清除报告页眉(&amp;H)...</translation>
    </message>
    <message>
        <source>Empties the job, cable, system and test information, also for later runs</source>
        <translation>清空工作、光缆、系统和测试信息，以后运行时也清空</translation>
    </message>
    <message>
        <source>Opens a job and shows its cables and fibers beside the tabs</source>
        <translation>打开工程，并在标签页旁显示其光缆和光纤</translation>
    </message>
    <message>
        <source>Open Team Job(&amp;G)...</source>
        <translation>打开团队工程(&amp;G)...</translation>
    </message>
    <message>
        <source>Opens a job kept on a PostgreSQL server, which a crew fills together</source>
        <translation>打开保存在 PostgreSQL 服务器上、由多名技术员共同填写的工程</translation>
    </message>
    <message>
        <source>Refresh Job(&amp;R)	F5</source>
        <translation>刷新工程(&amp;R)	F5</translation>
    </message>
    <message>
        <source>Reads the open job again, with what others have imported into it</source>
        <translation>重新读取打开的工程，包括他人导入的内容</translation>
    </message>
</context>
<context>
    <name>CPrintPreview</name>
    <message>
        <source>%1 - Print View</source>
        <translation>%1 - 打印预览</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>First</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> / %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>末页</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CReportOptionsDlg</name>
    <message>
        <source>Automatic (UTF-8, else GB18030, else Latin-1)</source>
        <translation>自动（UTF-8，否则 GB18030，否则 Latin-1）</translation>
    </message>
    <message>
        <source>Page footer: page numbers, date, file and cable</source>
        <translation>页脚：页码、日期、文件和光缆</translation>
    </message>
    <message>
        <source>Report Options</source>
        <translation>报告选项</translation>
    </message>
    <message>
        <source>Printed in place of the maker&apos;s name at the head of the loss-test report</source>
        <translation>打印在损耗测试报告顶部，代替制造商名称</translation>
    </message>
    <message>
        <source>A PNG or SVG picture printed at the right of the report&apos;s title</source>
        <translation>打印在报告标题右侧的 PNG 或 SVG 图片</translation>
    </message>
    <message>
        <source>How the cable and fiber names in the instrument&apos;s files are read</source>
        <translation>仪器文件中光缆和光纤名称的读取方式</translation>
    </message>
    <message>
        <source>The language of the report&apos;s own texts, whatever the window speaks</source>
        <translation>报告自身文字的语言，与窗口语言无关</translation>
    </message>
    <message>
        <source>Every page ends with its number, the time of printing, the file and the cable</source>
        <translation>每页底部打印页码、打印时间、文件和光缆</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Chooses the logo&apos;s file</source>
        <translation>选择徽标文件</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>公司(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>徽标(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Names read as:</source>
        <translation>名称读取方式(&amp;N)：</translation>
    </message>
    <message>
        <source>Report &amp;language:</source>
        <translation>报告语言(&amp;L)：</translation>
    </message>
    <message>
        <source>The logo cannot be used.</source>
        <translation>无法使用此徽标。</translation>
    </message>
    <message>
        <source>Pictures (*.png;*.svg)|*.png;*.svg|All Files (*)|*||</source>
        <translation>图片 (*.png;*.svg)|*.png;*.svg|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>The logo %1 can no longer be used; the reports are printed without it.</source>
        <translation>徽标 %1 已无法使用；报告将不带徽标打印。</translation>
    </message>
    <message>
        <source>Summary pages with the overall result first</source>
        <translation>摘要页，总结果在最前</translation>
    </message>
    <message>
        <source>Signature block under the result</source>
        <translation>结果下方的签名栏</translation>
    </message>
    <message>
        <source>Dates as the instrument shows them (day/month/year, AM/PM)</source>
        <translation>按仪器的形式显示日期（日/月/年，上午/下午）</translation>
    </message>
    <message>
        <source>The loss-test report starts with pages that sum up its verdicts</source>
        <translation>损耗测试报告以汇总判定的页面开始</translation>
    </message>
    <message>
        <source>Places for the technician and a reviewer to sign and date the report</source>
        <translation>供技术员和审核人签名并注明日期的位置</translation>
    </message>
    <message>
        <source>Printed under the technician&apos;s signature line</source>
        <translation>打印在技术员签名线下方</translation>
    </message>
    <message>
        <source>Printed under the reviewer&apos;s signature line</source>
        <translation>打印在审核人签名线下方</translation>
    </message>
    <message>
        <source>Otherwise dates print as 2026-03-10 08:00:00 (ISO 8601)</source>
        <translation>否则日期打印为 2026-03-10 08:00:00（ISO 8601）</translation>
    </message>
    <message>
        <source>&amp;Technician:</source>
        <translation>技术员(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Reviewer:</source>
        <translation>审核人(&amp;R)：</translation>
    </message>
</context>
<context>
    <name>CSystemInfoDlg</name>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Unit A</source>
        <translation>A 端仪器</translation>
    </message>
    <message>
        <source>Unit B</source>
        <translation>B 端仪器</translation>
    </message>
    <message>
        <source>Unit Name:</source>
        <translation>仪器名称：</translation>
    </message>
    <message>
        <source>Printed in the report&apos;s header under &quot;Unit B&quot;</source>
        <translation>打印在报告表头的“B 端仪器”下</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
</context>
<context>
    <name>CTestInfoDlg</name>
    <message>
        <source>Test Information</source>
        <translation>测试信息</translation>
    </message>
    <message>
        <source>Reference (jumpers):</source>
        <translation>参考（跳线数）：</translation>
    </message>
    <message>
        <source>The reference method: 1, 2 or 3 jumpers</source>
        <translation>参考方法：1、2 或 3 根跳线</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Test cords:</source>
        <translation>测试跳线：</translation>
    </message>
    <message>
        <source>Calibrated A:</source>
        <translation>A 校准日期：</translation>
    </message>
    <message>
        <source>Calibrated B:</source>
        <translation>B 校准日期：</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>固件：</translation>
    </message>
</context>
<context>
    <name>CTestLimitsDlg</name>
    <message>
        <source>Limit files (*.kavlimits)|*.kavlimits|All Files (*)|*||</source>
        <translation>阈值文件 (*.kavlimits)|*.kavlimits|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Test Limits</source>
        <translation>测试阈值</translation>
    </message>
    <message>
        <source>Instrument threshold of each record</source>
        <translation>每条记录的仪器阈值</translation>
    </message>
    <message>
        <source>Fixed limit per wavelength</source>
        <translation>每个波长的固定阈值</translation>
    </message>
    <message>
        <source>Loss budget</source>
        <translation>损耗预算</translation>
    </message>
    <message>
        <source>None: own figures only</source>
        <translation>无：仅用自定数值</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>方法(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>预设(&amp;P)：</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>Fixed limit (dB)</source>
        <translation>固定阈值 (dB)</translation>
    </message>
    <message>
        <source>Attenuation (dB/km)</source>
        <translation>衰减 (dB/km)</translation>
    </message>
    <message>
        <source>&amp;Connector loss (dB):</source>
        <translation>连接器损耗 (dB)(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Splice loss (dB):</source>
        <translation>熔接损耗 (dB)(&amp;S)：</translation>
    </message>
    <message>
        <source>Co&amp;nnections:</source>
        <translation>连接数(&amp;N)：</translation>
    </message>
    <message>
        <source>Sp&amp;lices:</source>
        <translation>熔接点数(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Warning band (dB):</source>
        <translation>警告带 (dB)(&amp;W)：</translation>
    </message>
    <message>
        <source>A margin at or above 0 but below the band is a warning</source>
        <translation>余量不小于 0 但小于警告带时判为警告</translation>
    </message>
    <message>
        <source>What a loss is certified against</source>
        <translation>损耗判定所依据的标准</translation>
    </message>
    <message>
        <source>A cabling standard&apos;s figures for the loss budget</source>
        <translation>布线标准中用于损耗预算的数值</translation>
    </message>
    <message>
        <source>The loss the budget allows for each connection</source>
        <translation>预算允许的每个连接的损耗</translation>
    </message>
    <message>
        <source>The loss the budget allows for each splice</source>
        <translation>预算允许的每个熔接点的损耗</translation>
    </message>
    <message>
        <source>The connections of every cable without counts of its own</source>
        <translation>未单独设定数量的光缆的连接数</translation>
    </message>
    <message>
        <source>The splices of every cable without counts of its own</source>
        <translation>未单独设定数量的光缆的熔接点数</translation>
    </message>
    <message>
        <source>Reads the limit from a limit file</source>
        <translation>从阈值文件读取阈值</translation>
    </message>
    <message>
        <source>Writes the limit to a limit file</source>
        <translation>把阈值写入阈值文件</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>光缆</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>连接数</translation>
    </message>
    <message>
        <source>Splices</source>
        <translation>熔接点数</translation>
    </message>
    <message>
        <source>A cable&apos;s own counts; &quot;all&quot; takes the counts for all cables</source>
        <translation>光缆自己的数量；“全部”表示使用所有光缆的数量</translation>
    </message>
    <message>
        <source>Counts per cable</source>
        <translation>每条光缆的数量</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>The largest loss allowed at %1 nm, in dB</source>
        <translation>%1 nm 处允许的最大损耗，单位 dB</translation>
    </message>
    <message>
        <source>The fibre&apos;s loss per kilometre at %1 nm, for the budget</source>
        <translation>%1 nm 处光纤每公里的损耗，用于预算</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Fixed limit at %1 nm</source>
        <translation>%1 nm 的固定阈值</translation>
    </message>
    <message>
        <source>Attenuation at %1 nm</source>
        <translation>%1 nm 的衰减</translation>
    </message>
    <message>
        <source>Connector loss</source>
        <translation>连接器损耗</translation>
    </message>
    <message>
        <source>Splice loss</source>
        <translation>熔接损耗</translation>
    </message>
    <message>
        <source>Warning band</source>
        <translation>警告带</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a figure from 0 to %3 with at most six decimals.</source>
        <translation>%1：“%2”不是 0 到 %3 之间、最多六位小数的数值。</translation>
    </message>
    <message>
        <source>Not certified: %1. Give each a figure, or its results stay not certified.</source>
        <translation>未认证：%1。请为其给出数值，否则其结果保持未认证。</translation>
    </message>
    <message>
        <source>No cable of the file is named %1.</source>
        <translation>文件中没有名为 %1 的光缆。</translation>
    </message>
</context>
<context>
    <name>CTracePage</name>
    <message>
        <source>How far above and below its zero line the chart reaches</source>
        <translation>图表在零线上下显示的范围</translation>
    </message>
    <message>
        <source>Range=0.5dB</source>
        <translation>范围=0.5dB</translation>
    </message>
    <message>
        <source>Range=1.0dB</source>
        <translation>范围=1.0dB</translation>
    </message>
    <message>
        <source>Range=2.0dB</source>
        <translation>范围=2.0dB</translation>
    </message>
    <message>
        <source>Range=4.0dB</source>
        <translation>范围=4.0dB</translation>
    </message>
    <message>
        <source>Line as Reference</source>
        <translation>以参考值为零线</translation>
    </message>
    <message>
        <source>Puts the chart&apos;s zero line at the reference power</source>
        <translation>把图表的零线设在参考功率处</translation>
    </message>
    <message>
        <source>Line as Average</source>
        <translation>以平均值为零线</translation>
    </message>
    <message>
        <source>Puts the chart&apos;s zero line at the trace&apos;s average power</source>
        <translation>把图表的零线设在跟踪记录的平均功率处</translation>
    </message>
    <message>
        <source>WaveLength(nm)</source>
        <translation>波长(nm)</translation>
    </message>
    <message>
        <source>The wavelength the trace was recorded at</source>
        <translation>跟踪记录所用的波长</translation>
    </message>
    <message>
        <source>Min(dBm)</source>
        <translation>最小值(dBm)</translation>
    </message>
    <message>
        <source>The trace&apos;s lowest power</source>
        <translation>跟踪记录的最低功率</translation>
    </message>
    <message>
        <source>Max(dBm)</source>
        <translation>最大值(dBm)</translation>
    </message>
    <message>
        <source>The trace&apos;s highest power</source>
        <translation>跟踪记录的最高功率</translation>
    </message>
    <message>
        <source>Average(dBm)</source>
        <translation>平均值(dBm)</translation>
    </message>
    <message>
        <source>The trace&apos;s average power</source>
        <translation>跟踪记录的平均功率</translation>
    </message>
    <message>
        <source>Reference(dBm)</source>
        <translation>参考值(dBm)</translation>
    </message>
    <message>
        <source>The reference power of the trace</source>
        <translation>跟踪记录的参考功率</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>The number of readings in the trace</source>
        <translation>跟踪记录中的读数个数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>When the trace begins</source>
        <translation>跟踪记录的开始时间</translation>
    </message>
    <message>
        <source>When the trace ends</source>
        <translation>跟踪记录的结束时间</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>没有数据</translation>
    </message>
    <message>
        <source>#%1</source>
        <translation>第 %1 个</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 个采样</translation>
    </message>
    <message>
        <source>A  %1   %2 dBm</source>
        <translation>A  %1   %2 dBm</translation>
    </message>
    <message>
        <source>B  %1   %2 dBm</source>
        <translation>B  %1   %2 dBm</translation>
    </message>
    <message>
        <source>Δt %1   ΔdB %2</source>
        <translation>Δt %1   ΔdB %2</translation>
    </message>
    <message>
        <source>Between: %1 readings</source>
        <translation>之间：%1 个读数</translation>
    </message>
    <message>
        <source>min %1  avg %2  max %3 dBm</source>
        <translation>最小 %1  平均 %2  最大 %3 dBm</translation>
    </message>
</context>
<context>
    <name>Certificate</name>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>No tolerance</source>
        <translation>无容差</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波长 (nm)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>读数个数</translation>
    </message>
    <message>
        <source>First (dBm)</source>
        <translation>首个 (dBm)</translation>
    </message>
    <message>
        <source>Last (dBm)</source>
        <translation>末个 (dBm)</translation>
    </message>
    <message>
        <source>Minimum (dBm)</source>
        <translation>最小值 (dBm)</translation>
    </message>
    <message>
        <source>Maximum (dBm)</source>
        <translation>最大值 (dBm)</translation>
    </message>
    <message>
        <source>Max - min (dB)</source>
        <translation>最大 - 最小 (dB)</translation>
    </message>
    <message>
        <source>Drift (dB)</source>
        <translation>漂移 (dB)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Stability Certificate</source>
        <translation>稳定性证书</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>测试过程</translation>
    </message>
    <message>
        <source>%1 of %2, stopped</source>
        <translation>%1（计划 %2），已停止</translation>
    </message>
    <message>
        <source>%1 of %2, the instrument was lost</source>
        <translation>%1（计划 %2），仪器已断开</translation>
    </message>
    <message>
        <source>every reading</source>
        <translation>每个读数</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>开始：</translation>
    </message>
    <message>
        <source>Ended:</source>
        <translation>结束：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>间隔：</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>容差：</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>程序：</translation>
    </message>
    <message>
        <source>Log:</source>
        <translation>日志：</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>%1 nm: %2 below the range, %3 above it</source>
        <translation>%1 nm：%2 个低于量程，%3 个高于量程</translation>
    </message>
    <message>
        <source>Power (dBm) over the run</source>
        <translation>测试期间的功率 (dBm)</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>结果：%1</translation>
    </message>
</context>
<context>
    <name>FibreStatus</name>
    <message>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>冲突</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Conflicting</source>
        <translation>冲突</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>Superseded</source>
        <translation>已取代</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>%1 planned, %2 tested: %3 pass, %4 warning, %5 fail, %6 incomplete, %7 missing, %8 unplanned, %9 retested, %10 in conflict; %11 files</source>
        <translation>计划 %1，已测 %2：通过 %3，警告 %4，失败 %5，不完整 %6，缺失 %7，计划外 %8，已复测 %9，冲突 %10；文件 %11 个</translation>
    </message>
</context>
<context>
    <name>JobDock</name>
    <message>
        <source>KAV Job (*.kavjob)|*.kavjob|All Files (*)|*||</source>
        <translation>KAV 工程 (*.kavjob)|*.kavjob|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>工程</translation>
    </message>
    <message>
        <source>Recent Jobs(&amp;J)</source>
        <translation>最近的工程(&amp;J)</translation>
    </message>
    <message>
        <source>%1: cable %2, fiber %3</source>
        <translation>%1：光缆 %2，光纤 %3</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) of cable %1, fiber %2 in the KAV table, current first.</source>
        <translation>
            <numerusform>光缆 %1、光纤 %2 的 %n 个测试已在 KAV 表中，当前测试在前。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 tests of cable %3, fiber %4 in the KAV table: the others have another number of wavelengths.</source>
        <translation>光缆 %3、光纤 %4 的 %2 个测试中有 %1 个在 KAV 表中：其他测试的波长数不同。</translation>
    </message>
    <message>
        <source>Job %1</source>
        <translation>工程 %1</translation>
    </message>
    <message>
        <source>Open Team Job</source>
        <translation>打开团队工程</translation>
    </message>
    <message>
        <source>The PostgreSQL server of the team job, as a connection string such as postgresql://host/kav or host=db dbname=kav user=ana. A password the server asks for is asked next, and never kept.</source>
        <translation>团队工程所在的 PostgreSQL 服务器，以连接字符串表示，例如 postgresql://host/kav 或 host=db dbname=kav user=ana。服务器要求的密码将在下一步询问，且绝不保存。</translation>
    </message>
    <message>
        <source>The job&apos;s name on the server:</source>
        <translation>工程在服务器上的名称：</translation>
    </message>
</context>
<context>
    <name>JobSession</name>
    <message numerus="yes">
        <source>%1: %n record(s) imported</source>
        <translation>
            <numerusform>%1：已导入 %n 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: in the job already (imported %2 as %3); nothing changed</source>
        <translation>%1：已在工程中（%2 作为 %3 导入）；未做任何更改</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1：未导入：%2</translation>
    </message>
    <message>
        <source>There is no job %1.</source>
        <translation>没有工程 %1。</translation>
    </message>
    <message>
        <source>The job %1 cannot be read.</source>
        <translation>无法读取工程 %1。</translation>
    </message>
    <message>
        <source>%1 is not a job of this program.</source>
        <translation>%1 不是本程序的工程。</translation>
    </message>
    <message>
        <source>The job %1 is damaged. It is left as it is.</source>
        <translation>工程 %1 已损坏。它保持原样。</translation>
    </message>
    <message>
        <source>The job %1 was written by a newer version of the program. It is left as it is.</source>
        <translation>工程 %1 由较新版本的程序写入。它保持原样。</translation>
    </message>
    <message>
        <source>Another program is writing to the job %1. Try again when it has finished.</source>
        <translation>另一个程序正在写入工程 %1。请在其完成后重试。</translation>
    </message>
    <message>
        <source>The job %1 can be read but not changed here.</source>
        <translation>工程 %1 在此只能读取，不能更改。</translation>
    </message>
    <message>
        <source>%1 exists already. Open it with Open Job.</source>
        <translation>%1 已存在。请用“打开工程”打开它。</translation>
    </message>
    <message>
        <source>The disk of the job %1 is full. Nothing was changed.</source>
        <translation>工程 %1 所在的磁盘已满。未做任何更改。</translation>
    </message>
    <message>
        <source>The job %1 refused the change. Nothing was changed.</source>
        <translation>工程 %1 拒绝了此更改。未做任何更改。</translation>
    </message>
    <message>
        <source>Cancelled: the job %1 is as it was.</source>
        <translation>已取消：工程 %1 保持原样。</translation>
    </message>
    <message>
        <source>The job %1 could not be read or changed. Nothing was changed.</source>
        <translation>无法读取或更改工程 %1。未做任何更改。</translation>
    </message>
    <message numerus="yes">
        <source>Importing %n file(s) into the job...</source>
        <translation>
            <numerusform>正在把 %n 个文件导入工程...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) imported into the job.</source>
        <translation>
            <numerusform>已把 %n 个文件导入工程。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files were not imported: see the details.</source>
        <translation>有些文件未导入：请看详细信息。</translation>
    </message>
    <message>
        <source>Test Plan</source>
        <translation>测试计划</translation>
    </message>
    <message>
        <source>The plan could not be read. Nothing was changed.</source>
        <translation>无法读取计划。未做任何更改。</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>The cable of fiber %1 of cable %2:</source>
        <translation>光缆 %2 的光纤 %1 所属的光缆：</translation>
    </message>
    <message>
        <source>The new name of cable %1:</source>
        <translation>光缆 %1 的新名称：</translation>
    </message>
    <message>
        <source>The new name of fiber %1:</source>
        <translation>光纤 %1 的新名称：</translation>
    </message>
    <message>
        <source>Nothing was renamed: the job holds no test of it.</source>
        <translation>未重命名任何内容：工程中没有它的测试。</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) renamed. The original names stay in the job.</source>
        <translation>
            <numerusform>已重命名 %n 个测试。原名称保留在工程中。</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF File(*.pdf) | *.pdf||</source>
        <translation>PDF 文件(*.pdf) | *.pdf||</translation>
    </message>
    <message>
        <source>Writing the job&apos;s report...</source>
        <translation>正在写入工程报告...</translation>
    </message>
    <message>
        <source>Excel Workbook(*.xlsx) | *.xlsx||</source>
        <translation>Excel 工作簿(*.xlsx) | *.xlsx||</translation>
    </message>
    <message>
        <source>The fibers the job expects: a template such as CAB-{01..12}/F{001..144}, or the path of a .csv or .xlsx file with Cable and Fiber columns.</source>
        <translation>工程预期的光纤：模板，如 CAB-{01..12}/F{001..144}，或带有 Cable 和 Fiber 列的 .csv 或 .xlsx 文件的路径。</translation>
    </message>
    <message>
        <source>Another user changed the job %1 at the same time. Nothing was changed: try again.</source>
        <translation>另一位用户同时修改了工程 %1。未作任何更改：请重试。</translation>
    </message>
    <message>
        <source>The server of the team job %1 asks for the password of its user:</source>
        <translation>团队工程 %1 的服务器要求输入其用户的密码：</translation>
    </message>
    <message>
        <source>Open Team Job</source>
        <translation>打开团队工程</translation>
    </message>
    <message>
        <source>Read only: the job %1.</source>
        <translation>只读：工程 %1。</translation>
    </message>
    <message>
        <source>The server of the job %1 cannot be reached yet. The job stays shown as it was last read; press F5 to try again.</source>
        <translation>仍无法连接工程 %1 的服务器。工程保持最后一次读取时的状态；按 F5 重试。</translation>
    </message>
    <message>
        <source>The connection to the server of the job %1 was lost. The job stays shown as it was last read, and nothing can be changed until it is reconnected.
Reconnect now?</source>
        <translation>与工程 %1 的服务器的连接已断开。工程保持最后一次读取时的状态，重新连接之前不能做任何更改。
现在重新连接吗？</translation>
    </message>
    <message>
        <source>The server of the job %1 asks for a password.</source>
        <translation>工程 %1 的服务器要求输入密码。</translation>
    </message>
    <message>
        <source>Writing the job&apos;s workbook...</source>
        <translation>正在写入工程工作簿...</translation>
    </message>
</context>
<context>
    <name>JobTreeModel</name>
    <message>
        <source>Cable %1: %2</source>
        <translation>光缆 %1：%2</translation>
    </message>
    <message>
        <source>%1, unplanned</source>
        <translation>%1，计划外</translation>
    </message>
    <message>
        <source>%1, retested</source>
        <translation>%1，已复测</translation>
    </message>
    <message numerus="yes">
        <source>Cable %1, fiber %2: %3; %n test(s)</source>
        <translation>
            <numerusform>光缆 %1，光纤 %2：%3；%n 个测试</numerusform>
        </translation>
    </message>
    <message>
        <source>Cable / Fiber</source>
        <translation>光缆 / 光纤</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>测试数</translation>
    </message>
    <message>
        <source>Last tested</source>
        <translation>最近测试</translation>
    </message>
    <message>
        <source>%1 of %2 tested</source>
        <translation>已测 %1 / %2</translation>
    </message>
</context>
<context>
    <name>LiveBenchPanel</name>
    <message>
        <source>Reading</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>告警</translation>
    </message>
    <message>
        <source>Stability Run</source>
        <translation>稳定性测试</translation>
    </message>
    <message>
        <source>Power (dBm):</source>
        <translation>功率 (dBm)：</translation>
    </message>
    <message>
        <source>Loss (dB):</source>
        <translation>损耗 (dB)：</translation>
    </message>
    <message>
        <source>Reference (dBm):</source>
        <translation>参考值 (dBm)：</translation>
    </message>
    <message>
        <source>Set Reference</source>
        <translation>设为参考</translation>
    </message>
    <message>
        <source>Takes the current reading as the reference of its wavelength: the loss is then measured from it</source>
        <translation>把当前读数设为该波长的参考值：此后的损耗从它算起</translation>
    </message>
    <message>
        <source>Instrument&apos;s Reference</source>
        <translation>仪器参考值</translation>
    </message>
    <message>
        <source>Measures the loss of this wavelength against the instrument&apos;s reference again</source>
        <translation>该波长的损耗重新以仪器的参考值计算</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Starts the statistics of every wavelength again from the next reading</source>
        <translation>从下一个读数起重新统计每个波长</translation>
    </message>
    <message>
        <source>Readings:</source>
        <translation>读数个数：</translation>
    </message>
    <message>
        <source>Std. deviation (dB):</source>
        <translation>标准差 (dB)：</translation>
    </message>
    <message>
        <source>Minimum (dBm):</source>
        <translation>最小值 (dBm)：</translation>
    </message>
    <message>
        <source>Max - min (dB):</source>
        <translation>最大 - 最小 (dB)：</translation>
    </message>
    <message>
        <source>Maximum (dBm):</source>
        <translation>最大值 (dBm)：</translation>
    </message>
    <message>
        <source>Average (dBm):</source>
        <translation>平均值 (dBm)：</translation>
    </message>
    <message>
        <source>Low limit (dBm)</source>
        <translation>下限 (dBm)</translation>
    </message>
    <message>
        <source>A reading of this wavelength below the low limit shows amber</source>
        <translation>该波长的读数低于下限时显示为琥珀色</translation>
    </message>
    <message>
        <source>The lowest power of this wavelength without an alarm</source>
        <translation>该波长不告警的最低功率</translation>
    </message>
    <message>
        <source>High limit (dBm)</source>
        <translation>上限 (dBm)</translation>
    </message>
    <message>
        <source>A reading of this wavelength above the high limit shows red</source>
        <translation>该波长的读数高于上限时显示为红色</translation>
    </message>
    <message>
        <source>The highest power of this wavelength without an alarm</source>
        <translation>该波长不告警的最高功率</translation>
    </message>
    <message>
        <source>Sound when an alarm begins</source>
        <translation>告警开始时发声</translation>
    </message>
    <message>
        <source>Beeps once each time a reading goes beyond a limit</source>
        <translation>每当读数超出限值时响一声</translation>
    </message>
    <message>
        <source>How long the run lasts, from a minute to a day</source>
        <translation>测试持续多久，从一分钟到一天</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>The run keeps one reading each interval, up to ten minutes</source>
        <translation>测试每个间隔保留一个读数，间隔最长十分钟</translation>
    </message>
    <message>
        <source>every reading</source>
        <translation>每个读数</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Tolerance (dB)</source>
        <translation>容差 (dB)</translation>
    </message>
    <message>
        <source>The run passes when its max - min is within the tolerance</source>
        <translation>最大 - 最小在容差之内时测试合格</translation>
    </message>
    <message>
        <source>The most the power may vary for a pass</source>
        <translation>合格时功率最多可变化多少</translation>
    </message>
    <message>
        <source>What the chart shows; over a whole trace or run, the mouse wheel zooms the time, dragging moves it, a double click shows it all</source>
        <translation>图表显示的内容；显示整个跟踪或测试时，鼠标滚轮缩放时间，拖动可平移，双击显示全部</translation>
    </message>
    <message>
        <source>Last 2 minutes</source>
        <translation>最近 2 分钟</translation>
    </message>
    <message>
        <source>Whole trace</source>
        <translation>整个跟踪</translation>
    </message>
    <message>
        <source>Stability run</source>
        <translation>稳定性测试</translation>
    </message>
    <message>
        <source>Start Run</source>
        <translation>开始测试</translation>
    </message>
    <message>
        <source>Starts a stability run over the coming readings</source>
        <translation>用接下来的读数开始一次稳定性测试</translation>
    </message>
    <message>
        <source>Stop Run</source>
        <translation>停止测试</translation>
    </message>
    <message>
        <source>Ends the stability run before its time</source>
        <translation>提前结束稳定性测试</translation>
    </message>
    <message>
        <source>Certificate...</source>
        <translation>证书...</translation>
    </message>
    <message>
        <source>Saves the last run&apos;s result as a one-page PDF certificate</source>
        <translation>把上一次测试的结果保存为一页的 PDF 证书</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Prints the last run&apos;s certificate</source>
        <translation>打印上一次测试的证书</translation>
    </message>
    <message>
        <source>Save as .trace...</source>
        <translation>另存为 .trace...</translation>
    </message>
    <message>
        <source>Saves the chart&apos;s readings of the current wavelength as a trace document, which the TRACE tab opens</source>
        <translation>把图表中当前波长的读数保存为跟踪文档，可在 TRACE 标签页打开</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>间隔：</translation>
    </message>
    <message>
        <source>Chart:</source>
        <translation>图表：</translation>
    </message>
    <message>
        <source>Alarm: the reading at %1 nm, %2 dBm, is below the low limit of %3 dBm</source>
        <translation>告警：%1 nm 的读数 %2 dBm 低于下限 %3 dBm</translation>
    </message>
    <message>
        <source>Alarm: the reading at %1 nm, %2 dBm, is above the high limit of %3 dBm</source>
        <translation>告警：%1 nm 的读数 %2 dBm 高于上限 %3 dBm</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>尚无</translation>
    </message>
    <message>
        <source>Low (below the range)</source>
        <translation>Low（低于量程）</translation>
    </message>
    <message>
        <source>High (saturated)</source>
        <translation>High（饱和）</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 分钟前</translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation>%1 小时 %2 分钟前</translation>
    </message>
    <message>
        <source>%1 d ago</source>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>%1 at %2 nm, set %3 (%4)</source>
        <translation>%1（%2 nm），设于 %3（%4）</translation>
    </message>
    <message>
        <source>%1 at %2 nm, the instrument&apos;s</source>
        <translation>%1（%2 nm），仪器的参考值</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>At %1 nm: none since the reset</source>
        <translation>%1 nm：重置后尚无读数</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>尚无读数</translation>
    </message>
    <message>
        <source>At %1 nm since %2</source>
        <translation>%1 nm，自 %2 起</translation>
    </message>
    <message>
        <source>%1 (Low %2, High %3)</source>
        <translation>%1（Low %2，High %3）</translation>
    </message>
    <message>
        <source>Limits of the wavelength read: none read yet</source>
        <translation>所读波长的限值：尚无读数</translation>
    </message>
    <message>
        <source>Limits at %1 nm</source>
        <translation>%1 nm 的限值</translation>
    </message>
    <message>
        <source>No run yet.</source>
        <translation>尚未测试。</translation>
    </message>
    <message>
        <source>Trace first, then start a run.</source>
        <translation>先开始跟踪，再开始测试。</translation>
    </message>
    <message>
        <source>Running: %1 of %2, %3 readings kept</source>
        <translation>测试中：%1（共 %2），已保留 %3 个读数</translation>
    </message>
    <message>
        <source>%1 nm: max - min %2 dB, drift %3 dB</source>
        <translation>%1 nm：最大 - 最小 %2 dB，漂移 %3 dB</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>已结束</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>无读数</translation>
    </message>
</context>
<context>
    <name>LiveStatus</name>
    <message>
        <source>No instrument found: it stopped answering and is gone (unplugged or switched off). Plug it in and press Trace.</source>
        <translation>未找到仪器：仪器不再应答并已断开（被拔出或关机）。请插上仪器后按“跟踪”。</translation>
    </message>
    <message>
        <source>No instrument found: none is connected over USB. Plug it in, switch it on and set its USB mode to Communication.</source>
        <translation>未找到仪器：USB 上没有连接仪器。请插上仪器、开机并把 USB 模式设为通信模式。</translation>
    </message>
    <message>
        <source>%1 and %2 beside it</source>
        <translation>%1 及同一文件夹中的 %2</translation>
    </message>
    <message>
        <source>Running: a reading every %1 s; not saving (Start to Save logs the readings).</source>
        <translation>运行中：每 %1 秒一个读数；未保存（“开始保存”可记录读数）。</translation>
    </message>
    <message numerus="yes">
        <source>Running: a reading every %1 s; %n reading(s) logged to %2.</source>
        <translation>
            <numerusform>运行中：每 %1 秒一个读数；已记录 %n 个读数到 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped. Press Trace to read the instrument.</source>
        <translation>已停止。按“跟踪”读取仪器。</translation>
    </message>
    <message>
        <source>Stopped: no reading was logged.</source>
        <translation>已停止：没有记录读数。</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n reading(s) logged to %1.</source>
        <translation>
            <numerusform>已停止：已记录 %n 个读数到 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the instrument: it answers but measures no power. Switch the unit to OPM mode.</source>
        <translation>等待仪器：仪器有应答但未测量功率。请把仪器切换到光功率计模式。</translation>
    </message>
    <message>
        <source>Waiting for the instrument: it has not answered for 3 seconds. Check that its USB mode is Communication.</source>
        <translation>等待仪器：仪器已 3 秒没有应答。请检查其 USB 模式是否为通信模式。</translation>
    </message>
    <message>
        <source>Waiting for the instrument: it is connected but cannot be opened. %1</source>
        <translation>等待仪器：仪器已连接但无法打开。%1</translation>
    </message>
    <message>
        <source>Waiting for the instrument: asked for a reading, none has come yet.</source>
        <translation>等待仪器：已请求读数，尚未收到。</translation>
    </message>
</context>
<context>
    <name>LiveTrace</name>
    <message>
        <source>No instrument was found on USB. Check that it is plugged in and switched on, and that its USB mode is Communication.</source>
        <translation>USB 上未找到仪器。请检查仪器已插上并开机，且其 USB 模式为通信模式。</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>Record %1 of %2 has an unknown unit, which ends the list; no record before it is shown.</source>
        <translation>%2 条记录中的第 %1 条单位未知，列表到此结束；其前没有可显示的记录。</translation>
    </message>
    <message>
        <source>Record %1 of %2 has an unknown unit, which ends the list; the 1 is shown before it.</source>
        <translation>%2 条记录中的第 %1 条单位未知，列表到此结束；显示其前的 1 条。</translation>
    </message>
    <message>
        <source>Record %1 of %2 has an unknown unit, which ends the list; the %3 are shown before it.</source>
        <translation>%2 条记录中的第 %1 条单位未知，列表到此结束；显示其前的 %3 条。</translation>
    </message>
    <message>
        <source>The file ends after %1 of %2 records; none is shown.</source>
        <translation>文件在 %2 条记录中的第 %1 条后结束；没有可显示的记录。</translation>
    </message>
    <message>
        <source>The file ends after %1 of %2 records; the 1 is shown.</source>
        <translation>文件在 %2 条记录中的第 %1 条后结束；显示这 1 条。</translation>
    </message>
    <message>
        <source>The file ends after %1 of %2 records; the %1 are shown.</source>
        <translation>文件在 %2 条记录中的第 %1 条后结束；显示这 %1 条。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Could not save %1.
%2</source>
        <translation>无法保存 %1。
%2</translation>
    </message>
    <message>
        <source>File error!</source>
        <translation>文件错误！</translation>
    </message>
    <message>
        <source>Please close the file first!</source>
        <translation>请先关闭该文件！</translation>
    </message>
    <message>
        <source>Please end the file name with %1 or %2!</source>
        <translation>请以 %1 或 %2 作为文件名结尾！</translation>
    </message>
    <message>
        <source>The limit file %1 was not read.</source>
        <translation>未能读取阈值文件 %1。</translation>
    </message>
    <message>
        <source>Please correct the test limits.</source>
        <translation>请更正测试阈值。</translation>
    </message>
    <message>
        <source>The printer did not take the report; nothing more was printed.</source>
        <translation>打印机未接受报告；未再打印任何内容。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>This will stop the AutoTrace,Do you continue?</source>
        <translation>这将停止自动跟踪，是否继续？</translation>
    </message>
    <message>
        <source>Clear every field of the report header: job, cable, system and test information?</source>
        <translation>清除报告页眉的所有字段：工作、光缆、系统和测试信息？</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Report Options...</source>
        <translation>报告选项...</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fiber ID</source>
        <translation>光纤编号</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>Loss AB</source>
        <translation>损耗 AB</translation>
    </message>
    <message>
        <source>REF AB</source>
        <translation>参考 AB</translation>
    </message>
    <message>
        <source>Loss BA</source>
        <translation>损耗 BA</translation>
    </message>
    <message>
        <source>REF BA</source>
        <translation>参考 BA</translation>
    </message>
    <message>
        <source>AVG L</source>
        <translation>平均损耗</translation>
    </message>
    <message>
        <source>ORL AB</source>
        <translation>回损 AB</translation>
    </message>
    <message>
        <source>ORL BA</source>
        <translation>回损 BA</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>%1 A-&gt;B/B-&gt;A</source>
        <translation>%1 A-&gt;B/B-&gt;A</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Cable ID: </source>
        <translation>光缆编号：</translation>
    </message>
    <message>
        <source>Printed </source>
        <translation>打印于 </translation>
    </message>
    <message>
        <source>Job ID:</source>
        <translation>工作编号：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>测试原因：</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>承包商：</translation>
    </message>
    <message>
        <source>Operator A:</source>
        <translation>A 端操作员：</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Operator B:</source>
        <translation>B 端操作员：</translation>
    </message>
    <message>
        <source>Custom job 1:</source>
        <translation>自定义工作 1：</translation>
    </message>
    <message>
        <source>Custom job 2:</source>
        <translation>自定义工作 2：</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>光缆编号：</translation>
    </message>
    <message>
        <source>Location A:</source>
        <translation>A 端位置：</translation>
    </message>
    <message>
        <source>Location B:</source>
        <translation>B 端位置：</translation>
    </message>
    <message>
        <source>Cable Mfr.:</source>
        <translation>光缆厂商：</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>光缆型号：</translation>
    </message>
    <message>
        <source>Custom cable 1:</source>
        <translation>自定义光缆 1：</translation>
    </message>
    <message>
        <source>Custom cable 2:</source>
        <translation>自定义光缆 2：</translation>
    </message>
    <message>
        <source>KAV Report</source>
        <translation>KAV 报告</translation>
    </message>
    <message>
        <source>Job Information</source>
        <translation>工作信息</translation>
    </message>
    <message>
        <source>Cable Information</source>
        <translation>光缆信息</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Unit A</source>
        <translation>A 端仪器</translation>
    </message>
    <message>
        <source>Unit B</source>
        <translation>B 端仪器</translation>
    </message>
    <message>
        <source>Unit Name:</source>
        <translation>仪器名称：</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>OPM Report</source>
        <translation>光功率计报告</translation>
    </message>
    <message>
        <source>ORL Report</source>
        <translation>回波损耗报告</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 的%1</translation>
    </message>
    <message>
        <source>Fibres</source>
        <translation>光纤数</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Worst margin (dB)</source>
        <translation>最差余量 (dB)</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>光缆</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>光纤</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>余量 (dB)</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波长 (nm)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Verdicts</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Worst margin: %1 dB   Cable: %2   Fiber: %3   %4 nm %5</source>
        <translation>最差余量：%1 dB   光缆：%2   光纤：%3   %4 nm %5</translation>
    </message>
    <message>
        <source>Worst margin: none (no loss has a limit)</source>
        <translation>最差余量：无（没有损耗设有阈值）</translation>
    </message>
    <message>
        <source>By cable</source>
        <translation>按光缆</translation>
    </message>
    <message>
        <source>By wavelength</source>
        <translation>按波长</translation>
    </message>
    <message>
        <source>Failed fibres</source>
        <translation>不合格的光纤</translation>
    </message>
    <message>
        <source>Fibres with a warning</source>
        <translation>有警告的光纤</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>无。</translation>
    </message>
    <message>
        <source>Limit: %1</source>
        <translation>阈值：%1</translation>
    </message>
    <message>
        <source>Method: instrument (each record&apos;s own threshold)</source>
        <translation>方法：仪器（每条记录自身的阈值）</translation>
    </message>
    <message>
        <source>Method: fixed (one limit per wavelength)</source>
        <translation>方法：固定（每个波长一个阈值）</translation>
    </message>
    <message>
        <source>Fixed limits: %1</source>
        <translation>固定阈值：%1</translation>
    </message>
    <message>
        <source>Method: budget (attenuation x length + connections x connector loss + splices x splice loss)</source>
        <translation>方法：预算（衰减 x 长度 + 连接数 x 连接器损耗 + 熔接点数 x 熔接损耗）</translation>
    </message>
    <message>
        <source>Attenuation: %1</source>
        <translation>衰减：%1</translation>
    </message>
    <message>
        <source>Connector loss: %1 dB   Splice loss: %2 dB</source>
        <translation>连接器损耗：%1 dB   熔接损耗：%2 dB</translation>
    </message>
    <message>
        <source>Connections: %1   Splices: %2</source>
        <translation>连接数：%1   熔接点数：%2</translation>
    </message>
    <message>
        <source>Warning band: %1 dB</source>
        <translation>警告带：%1 dB</translation>
    </message>
    <message>
        <source>fixed limits %1</source>
        <translation>固定阈值 %1</translation>
    </message>
    <message>
        <source>%1 connection</source>
        <translation>%1 个连接</translation>
    </message>
    <message>
        <source>%1 connections</source>
        <translation>%1 个连接</translation>
    </message>
    <message>
        <source>%1 splice</source>
        <translation>%1 个熔接点</translation>
    </message>
    <message>
        <source>%1 splices</source>
        <translation>%1 个熔接点</translation>
    </message>
    <message>
        <source>attenuation %1</source>
        <translation>衰减 %1</translation>
    </message>
    <message>
        <source>Cable %1: %2</source>
        <translation>光缆 %1：%2</translation>
    </message>
    <message>
        <source>Certification Summary</source>
        <translation>认证汇总</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>已测</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺测</translation>
    </message>
    <message>
        <source>Unplanned</source>
        <translation>计划外</translation>
    </message>
    <message>
        <source>Retested</source>
        <translation>复测</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>参考方法：</translation>
    </message>
    <message>
        <source>Test cords:</source>
        <translation>测试跳线：</translation>
    </message>
    <message>
        <source>Calibrated A:</source>
        <translation>A 校准日期：</translation>
    </message>
    <message>
        <source>Calibrated B:</source>
        <translation>B 校准日期：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>固件：</translation>
    </message>
    <message>
        <source>1 jumper</source>
        <translation>1 根跳线</translation>
    </message>
    <message>
        <source>%1 jumpers</source>
        <translation>%1 根跳线</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>测试信息</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Cable as imported</source>
        <translation>导入时的光缆</translation>
    </message>
    <message>
        <source>Fiber as imported</source>
        <translation>导入时的光纤</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>工作：%1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>结果：%1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Job ID: %1   Customer: %2   Contractor: %3</source>
        <translation>工作编号：%1   客户：%2   承包商：%3</translation>
    </message>
    <message>
        <source>Completeness</source>
        <translation>完成情况</translation>
    </message>
    <message>
        <source>Planned: %1   Tested: %2   Missing: %3   Unplanned: %4   Files: %5</source>
        <translation>计划：%1   已测：%2   缺测：%3   计划外：%4   文件：%5</translation>
    </message>
    <message>
        <source>Pass: %1   Warning: %2   Fail: %3   Incomplete: %4   Conflicts: %5   Retested: %6</source>
        <translation>合格：%1   警告：%2   不合格：%3   不完整：%4   冲突：%5   复测：%6</translation>
    </message>
    <message>
        <source>Completeness by cable</source>
        <translation>按光缆的完成情况</translation>
    </message>
    <message>
        <source>Verdicts by cable</source>
        <translation>按光缆的判定</translation>
    </message>
    <message>
        <source>Not certified</source>
        <translation>未认证</translation>
    </message>
    <message>
        <source>%1 dB/km</source>
        <translation>%1 dB/km</translation>
    </message>
    <message>
        <source>%1 dB/km at %2 nm</source>
        <translation>%2 nm 时 %1 dB/km</translation>
    </message>
    <message>
        <source>fixed limits: %1</source>
        <translation>固定限值：%1</translation>
    </message>
    <message>
        <source>%1: %2, %3 dB per connection, %4 dB per splice</source>
        <translation>%1：%2，每个连接 %3 dB，每个熔接 %4 dB</translation>
    </message>
    <message>
        <source>loss budget</source>
        <translation>损耗预算</translation>
    </message>
    <message>
        <source>the instrument&apos;s threshold of each record</source>
        <translation>每条记录的仪器阈值</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Fibres: %1   Pass: %2   Warning: %3   Incomplete: %4   Fail: %5   Not certified: %6</source>
        <translation>光纤：%1   合格：%2   警告：%3   不完整：%4   不合格：%5   未认证：%6</translation>
    </message>
    <message>
        <source>Incomplete fibres</source>
        <translation>不完整的光纤</translation>
    </message>
    <message>
        <source>Lowest margins</source>
        <translation>最小余量</translation>
    </message>
    <message>
        <source>Superseded tests</source>
        <translation>被取代的测试</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>更正</translation>
    </message>
    <message>
        <source>Imported files</source>
        <translation>导入的文件</translation>
    </message>
    <message>
        <source>%1. %2   imported %3   %4 records</source>
        <translation>%1. %2   导入于 %3   %4 条记录</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未选用</translation>
    </message>
    <message>
        <source>superseded</source>
        <translation>已取代</translation>
    </message>
    <message>
        <source>Job Report</source>
        <translation>工作报告</translation>
    </message>
    <message>
        <source>Job Report: Appendix</source>
        <translation>工作报告：附录</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>%1: %2 passed, %3 with a warning, %4 incomplete, %5 failed</source>
        <translation>%1：%2 根合格，%3 根警告，%4 根不完整，%5 根不合格</translation>
    </message>
    <message>
        <source>%1 fibre</source>
        <translation>%1 根光纤</translation>
    </message>
    <message>
        <source>%1 fibres</source>
        <translation>%1 根光纤</translation>
    </message>
    <message>
        <source>%1 fibre has no certified wavelength.</source>
        <translation>%1 根光纤没有已认证的波长。</translation>
    </message>
    <message>
        <source>%1 fibres have no certified wavelength.</source>
        <translation>%1 根光纤没有已认证的波长。</translation>
    </message>
    <message>
        <source>Not certified: %1 (the limit gives no figure there)</source>
        <translation>未认证：%1（限值未给出该处的数值）</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>技术员：</translation>
    </message>
    <message>
        <source>Reviewer:</source>
        <translation>审核人：</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>余量</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>冲突</translation>
    </message>
    <message>
        <source>Missing fibres</source>
        <translation>缺测的光纤</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>OPM</source>
        <translation>光功率计</translation>
    </message>
    <message>
        <source>KAV</source>
        <translation>KAV</translation>
    </message>
    <message>
        <source>TRACE</source>
        <translation>功率跟踪</translation>
    </message>
    <message>
        <source>AUTOTRACE</source>
        <translation>自动跟踪</translation>
    </message>
    <message>
        <source>ORL</source>
        <translation>回波损耗</translation>
    </message>
</context>
<context>
    <name>TraceChart</name>
    <message>
        <source>WaveLength(nm):</source>
        <translation>波长(nm)：</translation>
    </message>
    <message>
        <source>Reference(dBm):</source>
        <translation>参考值(dBm)：</translation>
    </message>
    <message>
        <source>CurrentPower(dBm):</source>
        <translation>当前功率(dBm)：</translation>
    </message>
    <message>
        <source>Please switch the unit to OPM mode</source>
        <translation>请把仪器切换到光功率计模式</translation>
    </message>
    <message>
        <source>Time(s)</source>
        <translation>时间(s)</translation>
    </message>
    <message>
        <source>Ref.</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Power(dB)</source>
        <translation>功率(dB)</translation>
    </message>
    <message>
        <source>Avg.</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Power(dBm)</source>
        <translation>功率(dBm)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>KAV User Guide</source>
        <translation>KAV 用户指南</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Goes back to the page read before</source>
        <translation>返回上一次阅读的页面</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Goes forward to the page left by Back</source>
        <translation>前往用“后退”离开的页面</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page</source>
        <translation>前往指南的首页</translation>
    </message>
</context>
<context>
    <name>VerdictSummaryLine</name>
    <message>
        <source>Selects the fibre with the worst margin in the table</source>
        <translation>在表中选中余量最差的光纤</translation>
    </message>
    <message>
        <source>Worst margin %1 dB: %2 %3, %4 nm %5</source>
        <translation>最差余量 %1 dB：%2 %3，%4 nm %5</translation>
    </message>
    <message>
        <source>No margin: no loss has a limit</source>
        <translation>无余量：没有损耗设有阈值</translation>
    </message>
    <message>
        <source>Limit: %1</source>
        <translation>阈值：%1</translation>
    </message>
    <message>
        <source>Wavelengths the limit has no figure for: give them one in Test Limits</source>
        <translation>限值没有数值的波长：请在测试限值中给出</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, %5</source>
        <translation>%1：%2，%3，%4，%5</translation>
    </message>
    <message numerus="yes">
        <source>%n fibres</source>
        <translation>
            <numerusform>%n 根光纤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n passed</source>
        <translation>
            <numerusform>%n 根合格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 根不合格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incomplete</source>
        <translation>
            <numerusform>%n 根不完整</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n without a certified wavelength</source>
        <translation>
            <numerusform>，%n 根没有已认证的波长</numerusform>
        </translation>
    </message>
    <message>
        <source>Not certified: %1</source>
        <translation>未认证：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source> (simulated instrument)</source>
        <translation>（模拟仪器）</translation>
    </message>
</context>
</TS>
