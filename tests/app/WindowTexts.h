#pragma once

// Every text a window shows, gathered for the language tests: captions,
// labels, tips, placeholders, list items and grid headers of a widget and
// all its children, and its menus' items.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTextDocument>
#include <QWidget>

namespace mtz4::test {

inline void AddShownText(QStringList& texts, const QString& where, QString text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    if (!text.trimmed().isEmpty())
        texts << where + QStringLiteral(": ") + text;
}

inline void AddActionTexts(QStringList& texts, QAction* action) {
    if (action->isSeparator())
        return;
    const QString name = action->objectName();
    AddShownText(texts, name, action->text());
    if (action->toolTip() != action->text() && !action->toolTip().isEmpty() &&
        action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
        AddShownText(texts, name + QStringLiteral(" tip"), action->toolTip());
    AddShownText(texts, name + QStringLiteral(" status"), action->statusTip());
    if (action->menu()) {
        AddShownText(texts, name, action->menu()->title());
        for (QAction* item : action->menu()->actions())
            AddActionTexts(texts, item);
    }
}

// A control made but never shown (a setting the model lacks), and all in it.
// The pages of a tab or stack are hidden but for the current one: they count.
inline bool NeverShown(const QWidget* w, const QWidget* top) {
    for (; w && w != top && !w->isWindow(); w = w->parentWidget()) {
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return true;
    }
    return false;
}

inline QStringList ShownTexts(QWidget* top) {
    QStringList texts;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (NeverShown(w, top))
            continue;
        const QString name =
            QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
        if (w->isWindow())
            AddShownText(texts, name + QStringLiteral(" title"), w->windowTitle());
        AddShownText(texts, name + QStringLiteral(" tip"), w->toolTip());
        AddShownText(texts, name + QStringLiteral(" status"), w->statusTip());
        AddShownText(texts, name + QStringLiteral(" accessible"), w->accessibleName());
        AddShownText(texts, name + QStringLiteral(" description"), w->accessibleDescription());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            AddShownText(texts, name, b->text());
        else if (auto* l = qobject_cast<QLabel*>(w))
            AddShownText(texts, name, l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            AddShownText(texts, name, g->title());
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            AddShownText(texts, name + QStringLiteral(" placeholder"), e->placeholderText());
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                AddShownText(texts, name + QStringLiteral(" item"), c->itemText(i));
        } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                AddShownText(texts, name + QStringLiteral(" tab"), t->tabText(i));
                AddShownText(texts, name + QStringLiteral(" tab tip"), t->tabToolTip(i));
            }
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int c = 0; c < m->columnCount(); ++c)
                AddShownText(texts, name + QStringLiteral(" column"),
                             m->headerData(c, Qt::Horizontal).toString());
        }
        for (QAction* a : w->actions())
            AddActionTexts(texts, a);
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace mtz4::test
