#pragma once

// The commands of the menus, toolbar and keys. The numbers are the desktop
// framework's standard ids of the common file and application commands
// (57600 on) and ids from its range for a program's own commands (32768 on),
// so that they name each command as the framework's documentation does.
enum class CommandId : int
{
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    AppAbout = 57664,
    HelpUserGuide = 57667, // the framework's help topics: ours open the user guide
    AppExit = 57665,
    FileSaveAsCsv = 32776,
    FileExportPdf = 32789,     // ours: the report as a PDF file
    FileSaveAsExcel = 32790,   // ours: the table as a workbook
    FileReportOptions = 32793, // ours: the choices about every report
    EditClearHeader = 32794,   // ours: empties the report's header fields
    EditJobInfo = 32786,
    EditCableInfo = 32787,
    EditSystemInfo = 32788,
    EditTestInfo = 32801,     // ours: the reference method, cords, calibration, instrument
    EditTestLimits = 32792,   // ours: the limit the loss tests are certified against
    ViewLimitColumns = 32791, // ours: the KAV table's Limit, Margin and Result columns
    // Ours: a job of many result files, beside the tabs.
    FileNewJob = 32795,
    FileOpenJob = 32796,
    FileImportIntoJob = 32797,
    FileExportJobReport = 32798,
    FileExportJobWorkbook = 32799,
    FileCloseJob = 32800,
    FileOpenTeamJob = 32802, // a job on a PostgreSQL server
    ViewRefreshJob = 32803,  // the open job read again
};
