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
// and the captions of our own editing commands (2001..).
constexpr NumberedText Texts[] = {
    {1000, "File(&F)", "ﾌｧｲﾙ(&F)"},
    {1001, "New(&N)", "新規作成(&N)"},
    {1002, "Open(&O)...", "開く(&O)..."},
    {1003, "Save(&S)", "上書き保存(&S)"},
    {1004, "Save As(&A)...", "名前を付けて保存(&A)..."},
    {1005, "Print Setup(&U)...", "ﾍﾟｰｼﾞ設定(&U)..."},
    {1007, "Exit(&X)...", "終了(&X)"},
    {1008, "Edit(&E)", "編集(&E)"},
    {1009, "Modify(&M)", "変更(&M)"},
    {1010, "View(&V)", "表示(&V)"},
    {1011, "Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {1012, "Tool(&T)", "ﾂｰﾙ(&T)"},
    {1013, "COM Port Setup(&C)", "COM ポートセットアップ(&C)"},
    {1014, "Help(&H)", "ﾍﾙﾌﾟ(&H)"},
    {1016, "About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
    {1017, "New", "新規作成"},
    {1018, "Open", "開く"},
    {1019, "Save", "上書き保存"},
    {1021, "Help", "ﾍﾙﾌﾟ"},
    {1100, "Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"},
    {1201, "Import(&I)...", "ｲﾝﾎﾟｰﾄ(&I)..."},
    {1202, "Export(&E)...", "ｴｸｽﾎﾟｰﾄ(&E)..."},
    {1203, "Read(&R)", "読み出し(&R)"},
    {1204, "Write(&W)", "書き込み(&W)"},
    {1205, "Settings(&S)", "設定(&S)"},
    {1206, "Memory(&M)", "メモリー(&M)"},
    {1207, "ALL(&A)", "すべて(&A)"},
    // The editing commands beyond the original menus (2001..).
    {2001, "Undo", "元に戻す"},
    {2002, "Redo", "やり直し"},
    {2003, "Cut(&T)", "切り取り(&T)"},
    {2004, "Copy(&C)", "コピー(&C)"},
    {2005, "Paste(&P)", "貼り付け(&P)"},
    {2006, "Insert Empty Entry(&I)", "空きエントリーを挿入(&I)"},
    {2007, "Delete Entry(&D)", "エントリーを削除(&D)"},
    {2008, "Find(&F)...", "検索(&F)..."},
    {2009, "Go To(&G)...", "移動(&G)..."},
    {2010, "Hide Empty Entries(&H)", "空きエントリーを隠す(&H)"},
    {2011, "Sort Bank by Frequency(&Q)", "バンクを周波数順に並べ替え(&Q)"},
    {2012, "Sort Bank by Name(&N)", "バンクを名前順に並べ替え(&N)"},
    {2013, "Quick Read(&Q)", "クイック読み出し(&Q)"},
    // Editing many rows at once, moving and filtering them (2014..2019).
    {2014, "Properties(&R)...", "プロパティ(&R)..."},
    {2015, "Fill Down(&L)", "下へコピー(&L)"},
    {2016, "Fill Frequencies(&Y)...", "周波数を連番で入力(&Y)..."},
    {2017, "Move Up(&U)", "上へ移動(&U)"},
    {2018, "Move Down(&W)", "下へ移動(&W)"},
    {2019, "Filter(&F)...", "絞り込み(&F)..."},
    // Backups, recent files and compare (2020..).
    {2020, "Open &Recent", "最近使ったファイル(&R)"},
    {2021, "&Backups...", "バックアップ(&B)..."},
    {2022, "Compare With &File...", "ファイルと比較(&F)..."},
    {2023, "Com&pare With Receiver...", "受信機と比較(&P)..."},
    {2024, "&Clear List", "一覧を消去(&C)"},
    {2025, "&Verify After Write", "書き込み後に照合(&V)"},
    // Captions and status lines of read safety (2026..2039). Further ranges:
    // ports and model detection 2040..2049, note code pages and imports
    // 2050..2069, the window's own commands 2070..
    {2026, " (partly read from the receiver)", " (一部のみ受信機から読み出し)"},
    {2027, "%1 (backup)", "%1 (バックアップ)"},
    {2028, "the data are partly from the receiver; Edit > %1 brings back what was there",
     "データの一部だけが受信機のものです。編集 > %1 で読み出し前に戻せます"},
    {2029, " (partly imported: stopped at line %1)", " (一部のみインポート: %1 行目で中断)"},
    {2030,
     "the import stopped at %1; the data are partly from %2; Edit > %3 brings back what "
     "was there",
     "インポートは %1 で中断しました。データの一部だけが %2 のものです。編集 > %3 で"
     "インポート前に戻せます"},
    // Note code pages (2050..2059): the menu, then its items in the order of
    // NoteCodePages().
    {2050, "Note Code Page(&N)", "メモのコードページ(&N)"},
    {2051, "Western (Windows-1252)", "西欧 (Windows-1252)"},
    {2052, "Japanese (Shift-JIS, 932)", "日本語 (シフト JIS、932)"},
    {2053, "Central European (Windows-1250)", "中央ヨーロッパ (Windows-1250)"},
    {2054, "Cyrillic (Windows-1251)", "キリル (Windows-1251)"},
    {2055, "Greek (Windows-1253)", "ギリシャ語 (Windows-1253)"},
    {2056, "Turkish (Windows-1254)", "トルコ語 (Windows-1254)"},
    // Serial ports and model detection (2040..2049).
    {2040, "&Detect Model", "機種を検出(&D)"},
    {2041, "Other serial &device:", "その他のシリアルデバイス(&D):"},
    {2042, "Device", "デバイス"},
    {2043, "Description", "説明"},
    {2044, "Maker", "メーカー"},
    {2045, "USB ID", "USB ID"},
    {2046, "Serial number", "シリアル番号"},
    {2047, "not present", "接続されていません"},
    // The window's own commands: second windows, printing, help (2070..2089).
    {2070, "New &Window", "新しいウィンドウ(&W)"},
    {2071, "Open in New Win&dow...", "新しいウィンドウで開く(&D)..."},
    {2072, "&Print Channel List...", "チャンネル一覧を印刷(&P)..."},
    {2073, "Export Channel &List as PDF...", "チャンネル一覧を PDF に出力(&L)..."},
    {2074, "&User Guide", "ユーザーガイド(&U)"},
    {2075, "Open &Sample File", "サンプルファイルを開く(&S)"},
    {2076, "%1 (sample)", "%1 (サンプル)"},
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
