#include "app/ResourceTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace mtz4 {

namespace {

struct NumberedText {
    int number;
    const char* english; // translated when shown
};

// Menu captions (1000..1016, 1100, 1201..1207), toolbar tool tips (1017..1021)
// and the captions of our own commands (2001..), by their names in
// ResourceTexts.h.
constexpr NumberedText Texts[] = {
    {Text::mnuFile, QT_TRANSLATE_NOOP("ResourceText", "File(&F)")},
    {Text::mnuFileNew, QT_TRANSLATE_NOOP("ResourceText", "New(&N)")},
    {Text::mnuFileOpen, QT_TRANSLATE_NOOP("ResourceText", "Open(&O)...")},
    {Text::mnuFileSave, QT_TRANSLATE_NOOP("ResourceText", "Save(&S)")},
    {Text::mnuFileSaveAs, QT_TRANSLATE_NOOP("ResourceText", "Save As(&A)...")},
    {Text::mnuFilePageSetup, QT_TRANSLATE_NOOP("ResourceText", "Print Setup(&U)...")},
    {Text::mnuFileExit, QT_TRANSLATE_NOOP("ResourceText", "Exit(&X)...")},
    {Text::mnuEdit, QT_TRANSLATE_NOOP("ResourceText", "Edit(&E)")},
    {Text::mnuEditUndo, QT_TRANSLATE_NOOP("ResourceText", "Modify(&M)")},
    {Text::mnuView, QT_TRANSLATE_NOOP("ResourceText", "View(&V)")},
    {Text::mnuViewToolbar, QT_TRANSLATE_NOOP("ResourceText", "Tool Bar(&T)")},
    {Text::mnuTools, QT_TRANSLATE_NOOP("ResourceText", "Tool(&T)")},
    {Text::mnuToolsOptions, QT_TRANSLATE_NOOP("ResourceText", "COM Port Setup(&C)")},
    {Text::mnuHelp, QT_TRANSLATE_NOOP("ResourceText", "Help(&H)")},
    {Text::mnuHelpAbout, QT_TRANSLATE_NOOP("ResourceText", "About(&A)")},
    {Text::tipNew, QT_TRANSLATE_NOOP("ResourceText", "New")},
    {Text::tipOpen, QT_TRANSLATE_NOOP("ResourceText", "Open")},
    {Text::tipSave, QT_TRANSLATE_NOOP("ResourceText", "Save")},
    {Text::tipHelp, QT_TRANSLATE_NOOP("ResourceText", "Help")},
    {Text::mnuStatusBar, QT_TRANSLATE_NOOP("ResourceText", "Status Bar(&S)")},
    {Text::mnuImport, QT_TRANSLATE_NOOP("ResourceText", "Import(&I)...")},
    {Text::mnuExport, QT_TRANSLATE_NOOP("ResourceText", "Export(&E)...")},
    {Text::mnuRe, QT_TRANSLATE_NOOP("ResourceText", "Read(&R)")},
    {Text::mnuWr, QT_TRANSLATE_NOOP("ResourceText", "Write(&W)")},
    {Text::mnuReSet, QT_TRANSLATE_NOOP("ResourceText", "Settings(&S)")}, // and Text::mnuWrSet
    {Text::mnuReMem, QT_TRANSLATE_NOOP("ResourceText", "Memory(&M)")},   // and Text::mnuWrMem
    {Text::mnuReAll, QT_TRANSLATE_NOOP("ResourceText", "ALL(&A)")},      // and Text::mnuWrAll
    // The editing commands beyond the original menus (2001..).
    {Text::mnuUndo, QT_TRANSLATE_NOOP("ResourceText", "Undo")},
    {Text::mnuRedo, QT_TRANSLATE_NOOP("ResourceText", "Redo")},
    {Text::mnuCut, QT_TRANSLATE_NOOP("ResourceText", "Cut(&T)")},
    {Text::mnuCopy, QT_TRANSLATE_NOOP("ResourceText", "Copy(&C)")},
    {Text::mnuPaste, QT_TRANSLATE_NOOP("ResourceText", "Paste(&P)")},
    {Text::mnuInsertEntry, QT_TRANSLATE_NOOP("ResourceText", "Insert Empty Entry(&I)")},
    {Text::mnuDeleteEntry, QT_TRANSLATE_NOOP("ResourceText", "Delete Entry(&D)")},
    {Text::mnuFind, QT_TRANSLATE_NOOP("ResourceText", "Find(&F)...")},
    {Text::mnuGoTo, QT_TRANSLATE_NOOP("ResourceText", "Go To(&G)...")},
    {Text::mnuHideEmpty, QT_TRANSLATE_NOOP("ResourceText", "Hide Empty Entries(&H)")},
    {Text::mnuSortFrequency, QT_TRANSLATE_NOOP("ResourceText", "Sort Bank by Frequency(&Q)")},
    {Text::mnuSortName, QT_TRANSLATE_NOOP("ResourceText", "Sort Bank by Name(&N)")},
    {Text::mnuQuickRead, QT_TRANSLATE_NOOP("ResourceText", "Quick Read(&Q)")},
    // Editing many rows at once, moving and filtering them (2014..2019).
    {Text::mnuProperties, QT_TRANSLATE_NOOP("ResourceText", "Properties(&R)...")},
    {Text::mnuFillDown, QT_TRANSLATE_NOOP("ResourceText", "Fill Down(&L)")},
    {Text::mnuFillFrequencies, QT_TRANSLATE_NOOP("ResourceText", "Fill Frequencies(&Y)...")},
    {Text::mnuMoveUp, QT_TRANSLATE_NOOP("ResourceText", "Move Up(&U)")},
    {Text::mnuMoveDown, QT_TRANSLATE_NOOP("ResourceText", "Move Down(&W)")},
    {Text::mnuFilter, QT_TRANSLATE_NOOP("ResourceText", "Filter(&F)...")},
    // Backups, recent files and compare (2020..).
    {Text::mnuRecent, QT_TRANSLATE_NOOP("ResourceText", "Open &Recent")},
    {Text::mnuBackups, QT_TRANSLATE_NOOP("ResourceText", "&Backups...")},
    {Text::mnuCompareFile, QT_TRANSLATE_NOOP("ResourceText", "Compare With &File...")},
    {Text::mnuCompareReceiver, QT_TRANSLATE_NOOP("ResourceText", "Com&pare With Receiver...")},
    {Text::ClearRecentList, QT_TRANSLATE_NOOP("ResourceText", "&Clear List")},
    {Text::mnuVerifyWrite, QT_TRANSLATE_NOOP("ResourceText", "&Verify After Write")},
    // Captions and status lines of read safety (2026..2039). Further ranges:
    // ports and model detection 2040..2049, note code pages and imports
    // 2050..2069, the window's own commands 2070..
    {Text::PartlyReadCaption,
     QT_TRANSLATE_NOOP("ResourceText", " (partly read from the receiver)")},
    {Text::BackupCaption, QT_TRANSLATE_NOOP("ResourceText", "%1 (backup)")},
    {Text::PartlyReadNotice,
     QT_TRANSLATE_NOOP(
         "ResourceText",
         "the data are partly from the receiver; Edit > %1 brings back what was there")},
    {Text::PartlyImportedCaption,
     QT_TRANSLATE_NOOP("ResourceText", " (partly imported: stopped at line %1)")},
    {Text::PartlyImportedNotice,
     QT_TRANSLATE_NOOP(
         "ResourceText",
         "the import stopped at %1; the data are partly from %2; Edit > %3 brings back what "
         "was there")},
    // Note code pages (2050..2059): the menu, then its items in the order of
    // NoteCodePages().
    {Text::mnuNoteCodePage, QT_TRANSLATE_NOOP("ResourceText", "Note Code Page(&N)")},
    {Text::NoteCodePageWestern, QT_TRANSLATE_NOOP("ResourceText", "Western (Windows-1252)")},
    {Text::NoteCodePageJapanese, QT_TRANSLATE_NOOP("ResourceText", "Japanese (Shift-JIS, 932)")},
    {Text::NoteCodePageCentralEuropean,
     QT_TRANSLATE_NOOP("ResourceText", "Central European (Windows-1250)")},
    {Text::NoteCodePageCyrillic, QT_TRANSLATE_NOOP("ResourceText", "Cyrillic (Windows-1251)")},
    {Text::NoteCodePageGreek, QT_TRANSLATE_NOOP("ResourceText", "Greek (Windows-1253)")},
    {Text::NoteCodePageTurkish, QT_TRANSLATE_NOOP("ResourceText", "Turkish (Windows-1254)")},
    // Imports (2060..2069).
    {Text::mnuImportStock, QT_TRANSLATE_NOOP("ResourceText", "Import Stoc&k List...")},
    // Serial ports and model detection (2040..2049).
    {Text::mnuDetectModel, QT_TRANSLATE_NOOP("ResourceText", "&Detect Model")},
    {Text::OtherSerialDevice, QT_TRANSLATE_NOOP("ResourceText", "Other serial &device:")},
    {Text::PortListDevice, QT_TRANSLATE_NOOP("ResourceText", "Device")},
    {Text::PortListDescription, QT_TRANSLATE_NOOP("ResourceText", "Description")},
    {Text::PortListMaker, QT_TRANSLATE_NOOP("ResourceText", "Maker")},
    {Text::PortListUsbId, QT_TRANSLATE_NOOP("ResourceText", "USB ID")},
    {Text::PortListSerialNumber, QT_TRANSLATE_NOOP("ResourceText", "Serial number")},
    {Text::PortNotPresent, QT_TRANSLATE_NOOP("ResourceText", "not present")},
    // The window's own commands: second windows, printing, help (2070..2089).
    {Text::mnuNewWindow, QT_TRANSLATE_NOOP("ResourceText", "New &Window")},
    {Text::mnuOpenInNewWindow, QT_TRANSLATE_NOOP("ResourceText", "Open in New Win&dow...")},
    {Text::mnuPrintList, QT_TRANSLATE_NOOP("ResourceText", "&Print Channel List...")},
    {Text::mnuExportListPdf, QT_TRANSLATE_NOOP("ResourceText", "Export Channel &List as PDF...")},
    {Text::mnuUserGuide, QT_TRANSLATE_NOOP("ResourceText", "&User Guide")},
    {Text::mnuSampleFile, QT_TRANSLATE_NOOP("ResourceText", "Open &Sample File")},
    {Text::SampleCaption, QT_TRANSLATE_NOOP("ResourceText", "%1 (sample)")},
    {Text::mnuLanguage, QT_TRANSLATE_NOOP("ResourceText", "&Language")},
};

// The text for a caption that may be a text number; empty when it is not one.
QString textFor(const QString& caption) {
    bool isNumber = false;
    const int number = caption.trimmed().toInt(&isNumber);
    return isNumber ? ResourceText(number) : QString();
}

QString textFor(const QVariant& tag) {
    return tag.isValid() ? textFor(tag.toString()) : QString();
}

void applyToAction(QAction* action) {
    // The tool tip is read before the text changes: an action without a tool
    // tip of its own reports its text as tool tip.
    const QString tip = textFor(action->toolTip());
    const QString text = textFor(action->text());
    if (!text.isEmpty())
        action->setText(text);
    if (!tip.isEmpty())
        action->setToolTip(tip);
}

void applyToTabs(QTabWidget* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        const QString text = textFor(tabs->tabText(i));
        if (!text.isEmpty())
            tabs->setTabText(i, text);
        const QString tip = textFor(tabs->tabToolTip(i));
        if (!tip.isEmpty())
            tabs->setTabToolTip(i, tip);
    }
}

void applyToWidget(QWidget* widget) {
    const QString caption = textFor(widget->property("tag"));
    if (!caption.isEmpty()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(caption);
    }
    const QString tip = textFor(widget->toolTip());
    if (!tip.isEmpty())
        widget->setToolTip(tip);
}

} // namespace

QString ResourceText(int number) {
    for (const NumberedText& t : Texts) {
        if (t.number == number)
            return QCoreApplication::translate("ResourceText", t.english);
    }
    return {};
}

void ApplyResourceTexts(QWidget* window) {
    const QString title = textFor(window->property("tag"));
    if (!title.isEmpty())
        window->setWindowTitle(title);
    for (QAction* action : window->findChildren<QAction*>())
        applyToAction(action);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        applyToTabs(tabs);
    for (QWidget* widget : window->findChildren<QWidget*>())
        applyToWidget(widget);
}

} // namespace mtz4
