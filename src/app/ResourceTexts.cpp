#include "app/ResourceTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace mtz4 {

namespace {

struct NumberedText {
    int number;
    const char* english;
    const char* japanese; // UTF-8
};

// Menu captions (1000..1016, 1100, 1201..1207), toolbar tool tips (1017..1021)
// and the captions of our own commands (2001..), by their names in
// ResourceTexts.h.
constexpr NumberedText Texts[] = {
    {Text::mnuFile, "File(&F)", "ﾌｧｲﾙ(&F)"},
    {Text::mnuFileNew, "New(&N)", "新規作成(&N)"},
    {Text::mnuFileOpen, "Open(&O)...", "開く(&O)..."},
    {Text::mnuFileSave, "Save(&S)", "上書き保存(&S)"},
    {Text::mnuFileSaveAs, "Save As(&A)...", "名前を付けて保存(&A)..."},
    {Text::mnuFilePageSetup, "Print Setup(&U)...", "ﾍﾟｰｼﾞ設定(&U)..."},
    {Text::mnuFileExit, "Exit(&X)...", "終了(&X)"},
    {Text::mnuEdit, "Edit(&E)", "編集(&E)"},
    {Text::mnuEditUndo, "Modify(&M)", "変更(&M)"},
    {Text::mnuView, "View(&V)", "表示(&V)"},
    {Text::mnuViewToolbar, "Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {Text::mnuTools, "Tool(&T)", "ﾂｰﾙ(&T)"},
    {Text::mnuToolsOptions, "COM Port Setup(&C)", "COM ポートセットアップ(&C)"},
    {Text::mnuHelp, "Help(&H)", "ﾍﾙﾌﾟ(&H)"},
    {Text::mnuHelpAbout, "About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
    {Text::tipNew, "New", "新規作成"},
    {Text::tipOpen, "Open", "開く"},
    {Text::tipSave, "Save", "上書き保存"},
    {Text::tipHelp, "Help", "ﾍﾙﾌﾟ"},
    {Text::mnuStatusBar, "Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"},
    {Text::mnuImport, "Import(&I)...", "ｲﾝﾎﾟｰﾄ(&I)..."},
    {Text::mnuExport, "Export(&E)...", "ｴｸｽﾎﾟｰﾄ(&E)..."},
    {Text::mnuRe, "Read(&R)", "読み出し(&R)"},
    {Text::mnuWr, "Write(&W)", "書き込み(&W)"},
    {Text::mnuReSet, "Settings(&S)", "設定(&S)"},   // and Text::mnuWrSet
    {Text::mnuReMem, "Memory(&M)", "メモリー(&M)"}, // and Text::mnuWrMem
    {Text::mnuReAll, "ALL(&A)", "すべて(&A)"},      // and Text::mnuWrAll
    // The editing commands beyond the original menus (2001..).
    {Text::mnuUndo, "Undo", "元に戻す"},
    {Text::mnuRedo, "Redo", "やり直し"},
    {Text::mnuCut, "Cut(&T)", "切り取り(&T)"},
    {Text::mnuCopy, "Copy(&C)", "コピー(&C)"},
    {Text::mnuPaste, "Paste(&P)", "貼り付け(&P)"},
    {Text::mnuInsertEntry, "Insert Empty Entry(&I)", "空きエントリーを挿入(&I)"},
    {Text::mnuDeleteEntry, "Delete Entry(&D)", "エントリーを削除(&D)"},
    {Text::mnuFind, "Find(&F)...", "検索(&F)..."},
    {Text::mnuGoTo, "Go To(&G)...", "移動(&G)..."},
    {Text::mnuHideEmpty, "Hide Empty Entries(&H)", "空きエントリーを隠す(&H)"},
    {Text::mnuSortFrequency, "Sort Bank by Frequency(&Q)", "バンクを周波数順に並べ替え(&Q)"},
    {Text::mnuSortName, "Sort Bank by Name(&N)", "バンクを名前順に並べ替え(&N)"},
    {Text::mnuQuickRead, "Quick Read(&Q)", "クイック読み出し(&Q)"},
    // Editing many rows at once, moving and filtering them (2014..2019).
    {Text::mnuProperties, "Properties(&R)...", "プロパティ(&R)..."},
    {Text::mnuFillDown, "Fill Down(&L)", "下へコピー(&L)"},
    {Text::mnuFillFrequencies, "Fill Frequencies(&Y)...", "周波数を連番で入力(&Y)..."},
    {Text::mnuMoveUp, "Move Up(&U)", "上へ移動(&U)"},
    {Text::mnuMoveDown, "Move Down(&W)", "下へ移動(&W)"},
    {Text::mnuFilter, "Filter(&F)...", "絞り込み(&F)..."},
    // Backups, recent files and compare (2020..).
    {Text::mnuRecent, "Open &Recent", "最近使ったファイル(&R)"},
    {Text::mnuBackups, "&Backups...", "バックアップ(&B)..."},
    {Text::mnuCompareFile, "Compare With &File...", "ファイルと比較(&F)..."},
    {Text::mnuCompareReceiver, "Com&pare With Receiver...", "受信機と比較(&P)..."},
    {Text::ClearRecentList, "&Clear List", "一覧を消去(&C)"},
    {Text::mnuVerifyWrite, "&Verify After Write", "書き込み後に照合(&V)"},
    // Captions and status lines of read safety (2026..2039). Further ranges:
    // ports and model detection 2040..2049, note code pages and imports
    // 2050..2069, the window's own commands 2070..
    {Text::PartlyReadCaption, " (partly read from the receiver)", " (一部のみ受信機から読み出し)"},
    {Text::BackupCaption, "%1 (backup)", "%1 (バックアップ)"},
    {Text::PartlyReadNotice,
     "the data are partly from the receiver; Edit > %1 brings back what was there",
     "データの一部だけが受信機のものです。編集 > %1 で読み出し前に戻せます"},
    {Text::PartlyImportedCaption, " (partly imported: stopped at line %1)",
     " (一部のみインポート: %1 行目で中断)"},
    {Text::PartlyImportedNotice,
     "the import stopped at %1; the data are partly from %2; Edit > %3 brings back what "
     "was there",
     "インポートは %1 で中断しました。データの一部だけが %2 のものです。編集 > %3 で"
     "インポート前に戻せます"},
    // Note code pages (2050..2059): the menu, then its items in the order of
    // NoteCodePages().
    {Text::mnuNoteCodePage, "Note Code Page(&N)", "メモのコードページ(&N)"},
    {Text::NoteCodePageWestern, "Western (Windows-1252)", "西欧 (Windows-1252)"},
    {Text::NoteCodePageJapanese, "Japanese (Shift-JIS, 932)", "日本語 (シフト JIS、932)"},
    {Text::NoteCodePageCentralEuropean, "Central European (Windows-1250)",
     "中央ヨーロッパ (Windows-1250)"},
    {Text::NoteCodePageCyrillic, "Cyrillic (Windows-1251)", "キリル (Windows-1251)"},
    {Text::NoteCodePageGreek, "Greek (Windows-1253)", "ギリシャ語 (Windows-1253)"},
    {Text::NoteCodePageTurkish, "Turkish (Windows-1254)", "トルコ語 (Windows-1254)"},
    // Imports (2060..2069).
    {Text::mnuImportStock, "Import Stoc&k List...", "同梱リストをインポート(&K)..."},
    // Serial ports and model detection (2040..2049).
    {Text::mnuDetectModel, "&Detect Model", "機種を検出(&D)"},
    {Text::OtherSerialDevice, "Other serial &device:", "その他のシリアルデバイス(&D):"},
    {Text::PortListDevice, "Device", "デバイス"},
    {Text::PortListDescription, "Description", "説明"},
    {Text::PortListMaker, "Maker", "メーカー"},
    {Text::PortListUsbId, "USB ID", "USB ID"},
    {Text::PortListSerialNumber, "Serial number", "シリアル番号"},
    {Text::PortNotPresent, "not present", "接続されていません"},
    // The window's own commands: second windows, printing, help (2070..2089).
    {Text::mnuNewWindow, "New &Window", "新しいウィンドウ(&W)"},
    {Text::mnuOpenInNewWindow, "Open in New Win&dow...", "新しいウィンドウで開く(&D)..."},
    {Text::mnuPrintList, "&Print Channel List...", "チャンネル一覧を印刷(&P)..."},
    {Text::mnuExportListPdf, "Export Channel &List as PDF...",
     "チャンネル一覧を PDF に出力(&L)..."},
    {Text::mnuUserGuide, "&User Guide", "ユーザーガイド(&U)"},
    {Text::mnuSampleFile, "Open &Sample File", "サンプルファイルを開く(&S)"},
    {Text::SampleCaption, "%1 (sample)", "%1 (サンプル)"},
};

// The text for a caption that may be a text number; empty when it is not one.
QString textFor(const QString& caption, TextLanguage language) {
    bool isNumber = false;
    const int number = caption.trimmed().toInt(&isNumber);
    return isNumber ? ResourceText(number, language) : QString();
}

QString textFor(const QVariant& tag, TextLanguage language) {
    return tag.isValid() ? textFor(tag.toString(), language) : QString();
}

void applyToAction(QAction* action, TextLanguage language) {
    // The tool tip is read before the text changes: an action without a tool
    // tip of its own reports its text as tool tip.
    const QString tip = textFor(action->toolTip(), language);
    const QString text = textFor(action->text(), language);
    if (!text.isEmpty())
        action->setText(text);
    if (!tip.isEmpty())
        action->setToolTip(tip);
}

void applyToTabs(QTabWidget* tabs, TextLanguage language) {
    for (int i = 0; i < tabs->count(); ++i) {
        const QString text = textFor(tabs->tabText(i), language);
        if (!text.isEmpty())
            tabs->setTabText(i, text);
        const QString tip = textFor(tabs->tabToolTip(i), language);
        if (!tip.isEmpty())
            tabs->setTabToolTip(i, tip);
    }
}

void applyToWidget(QWidget* widget, TextLanguage language) {
    const QString caption = textFor(widget->property("tag"), language);
    if (!caption.isEmpty()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(caption);
    }
    const QString tip = textFor(widget->toolTip(), language);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
}

} // namespace

QString ResourceText(int number, TextLanguage language) {
    for (const NumberedText& t : Texts) {
        if (t.number == number)
            return QString::fromUtf8(language == TextLanguage::Japanese ? t.japanese : t.english);
    }
    return {};
}

void ApplyResourceTexts(QWidget* window, TextLanguage language) {
    const QString title = textFor(window->property("tag"), language);
    if (!title.isEmpty())
        window->setWindowTitle(title);
    for (QAction* action : window->findChildren<QAction*>())
        applyToAction(action, language);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        applyToTabs(tabs, language);
    for (QWidget* widget : window->findChildren<QWidget*>())
        applyToWidget(widget, language);
}

} // namespace mtz4
