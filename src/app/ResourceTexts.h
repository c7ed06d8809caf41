#pragma once

#include "model/TextLanguage.h"

#include <QString>

class QWidget;

namespace mtz4 {

// The numbered texts of the main window's menus and toolbar, in English and
// in Japanese. Controls are built with a text number where their caption or
// tool tip goes; ApplyResourceTexts puts the text of the user's language in.

// The text numbers, by name: a menu item's text is named after the item
// (its object name in the menu table), so that a search for the item finds
// its text, its line in the menu table and its command.
namespace Text {
enum Number : int {
    // The menus and their items (1000..1016, 1100, 1201..1207).
    mnuFile = 1000,
    mnuFileNew = 1001,
    mnuFileOpen = 1002,
    mnuFileSave = 1003,
    mnuFileSaveAs = 1004,
    mnuFilePageSetup = 1005,
    mnuFileExit = 1007,
    mnuEdit = 1008,
    mnuEditUndo = 1009, // "Modify(&M)": edits the current grid row
    mnuView = 1010,
    mnuViewToolbar = 1011,
    mnuTools = 1012,
    mnuToolsOptions = 1013, // "COM Port Setup(&C)"
    mnuHelp = 1014,
    mnuHelpAbout = 1016,
    mnuStatusBar = 1100,
    mnuImport = 1201,
    mnuExport = 1202,
    mnuRe = 1203,
    mnuWr = 1204,
    mnuReSet = 1205,
    mnuReMem = 1206,
    mnuReAll = 1207,
    // The Write menu's items carry the texts of the Read menu's.
    mnuWrSet = mnuReSet,
    mnuWrMem = mnuReMem,
    mnuWrAll = mnuReAll,

    // The toolbar buttons' tool tips (1017..1021).
    tipNew = 1017,
    tipOpen = 1018,
    tipSave = 1019,
    tipHelp = 1021,

    // The editing commands beyond the original menus (2001..2013).
    mnuUndo = 2001, // "Undo", followed by the step's name
    mnuRedo = 2002,
    mnuCut = 2003,
    mnuCopy = 2004,
    mnuPaste = 2005,
    mnuInsertEntry = 2006,
    mnuDeleteEntry = 2007,
    mnuFind = 2008,
    mnuGoTo = 2009,
    mnuHideEmpty = 2010,
    mnuSortFrequency = 2011,
    mnuSortName = 2012,
    mnuQuickRead = 2013,

    // Editing many rows at once, moving and filtering them (2014..2019).
    mnuProperties = 2014,
    mnuFillDown = 2015,
    mnuFillFrequencies = 2016,
    mnuMoveUp = 2017,
    mnuMoveDown = 2018,
    mnuFilter = 2019,

    // Backups, recent files and compare (2020..2025).
    mnuRecent = 2020,
    mnuBackups = 2021,
    mnuCompareFile = 2022,
    mnuCompareReceiver = 2023,
    ClearRecentList = 2024,
    mnuVerifyWrite = 2025,

    // Captions and status lines of read safety and imports (2026..2039).
    PartlyReadCaption = 2026,
    BackupCaption = 2027,
    PartlyReadNotice = 2028,
    PartlyImportedCaption = 2029,
    PartlyImportedNotice = 2030,

    // Serial ports and model detection (2040..2049).
    mnuDetectModel = 2040,
    OtherSerialDevice = 2041,
    PortListDevice = 2042,
    PortListDescription = 2043,
    PortListMaker = 2044,
    PortListUsbId = 2045,
    PortListSerialNumber = 2046,
    PortNotPresent = 2047,

    // Note code pages (2050..2059): the menu, then its items in the order of
    // NoteCodePages().
    mnuNoteCodePage = 2050,
    NoteCodePageWestern = 2051,
    NoteCodePageJapanese = 2052,
    NoteCodePageCentralEuropean = 2053,
    NoteCodePageCyrillic = 2054,
    NoteCodePageGreek = 2055,
    NoteCodePageTurkish = 2056,

    // Imports (2060..2069).
    mnuImportStock = 2060,

    // The window's own commands: second windows, printing, help (2070..2089).
    mnuNewWindow = 2070,
    mnuOpenInNewWindow = 2071,
    mnuPrintList = 2072,
    mnuExportListPdf = 2073,
    mnuUserGuide = 2074,
    mnuSampleFile = 2075,
    SampleCaption = 2076,
    mnuLanguage = 2077,
};
} // namespace Text

// The text with the given number, or an empty string for an unknown number.
QString ResourceText(int number);

// Replaces text numbers by their texts in the window and its children:
// - the window title, when the window's "tag" property holds a number;
// - every action (menu items, submenus, toolbar buttons) whose text or tool
//   tip is a number;
// - every tab of a tab widget whose text or tool tip is a number;
// - every other widget whose "tag" property holds a number gets that text as
//   its caption (labels, buttons), and one whose tool tip is a number gets
//   the text as tool tip.
// Anything that is not a known number is left as it is.
void ApplyResourceTexts(QWidget* window);

} // namespace mtz4
