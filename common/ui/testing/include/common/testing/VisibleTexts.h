#pragma once

// For the translation tests of the three programs: every text a user can see on a window,
// keyed by where it is, so the same window built in English and in another language can
// be compared text by text.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QStringList>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "common/Translations.h"

namespace common::testing {

using TextMap = QMap<QString, QString>;

namespace detail {

inline void Add(TextMap& texts, const QString& key, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.insert(key, text);
}

inline void AddActions(TextMap& texts, const QString& key, const QList<QAction*>& actions) {
    for (int i = 0; i < actions.size(); ++i) {
        const QAction* action = actions[i];
        if (action->isSeparator()) continue;
        const QString at = key + "/action" + QString::number(i);
        Add(texts, at + ":text", action->text());
        Add(texts, at + ":toolTip", action->toolTip());
        if (action->menu()) AddActions(texts, at, action->menu()->actions());
    }
}

inline void Walk(TextMap& texts, QWidget* widget, const QString& key) {
    if (widget->isWindow()) Add(texts, key + ":title", widget->windowTitle());
    Add(texts, key + ":toolTip", widget->toolTip());
    if (auto* label = qobject_cast<QLabel*>(widget)) Add(texts, key + ":text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        Add(texts, key + ":text", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) Add(texts, key + ":title", group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        Add(texts, key + ":placeholder", edit->placeholderText());
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Add(texts, key + ":tab" + QString::number(i), tabs->tabText(i));
            Add(texts, key + ":tabToolTip" + QString::number(i), tabs->tabToolTip(i));
        }
    }
    if (auto* box = qobject_cast<QComboBox*>(widget); box && !box->isEditable()) {
        for (int i = 0; i < box->count(); ++i)
            Add(texts, key + ":item" + QString::number(i), box->itemText(i));
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
        for (int c = 0; c < view->model()->columnCount(); ++c)
            Add(texts, key + ":column" + QString::number(c),
                view->model()->headerData(c, Qt::Horizontal).toString());
    }
    AddActions(texts, key, widget->actions());

    int index = 0;
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w) continue;
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        Walk(texts, w, key + "/" + name + "#" + QString::number(index++));
    }
}

inline bool HasLetter(const QString& text) {
    for (const QChar c : text) {
        if (c.isLetter()) return true;
    }
    return false;
}

}  // namespace detail

// Window titles, labels, buttons, group titles, tabs, drop-down items, column headers,
// placeholders, tool tips, and the actions of menus and tool bars of `top` and its
// children, hidden ones too.
inline TextMap VisibleTexts(QWidget* top) {
    TextMap texts;
    detail::Walk(texts, top, QString::fromLatin1(top->metaObject()->className()));
    return texts;
}

// The texts of `translated` still equal to their English counterpart: "where: text".
// Texts without a letter (numbers, "...") and those made of the words of `same` (words the
// languages share, compared without "&" and a trailing ":" or "...") and of numbers do
// not count, nor the texts of the controls named in `data` (lists of the user's names,
// of devices).
inline QStringList UntranslatedTexts(const TextMap& english, const TextMap& translated,
                                     const QStringList& same, const QStringList& data = {}) {
    QStringList left;
    for (auto it = translated.begin(); it != translated.end(); ++it) {
        const QString text = it.value();
        if (english.value(it.key()) != text || !detail::HasLetter(text)) continue;
        const bool isData = std::any_of(data.begin(), data.end(), [&](const QString& name) {
            return it.key().contains("/" + name + "#");
        });
        if (isData) continue;
        QString bare = text;
        bare.remove('&');
        bare = bare.trimmed();
        bare.remove(QRegularExpression(QStringLiteral("( ?:|\\.\\.\\.)$")));
        if (same.contains(bare)) continue;
        const QStringList words = bare.split(' ', Qt::SkipEmptyParts);
        if (std::all_of(words.begin(), words.end(), [&](const QString& word) {
                return same.contains(word) || !detail::HasLetter(word);
            }))
            continue;
        left << it.key() + ": " + text;
    }
    return left;
}

// Puts `language` ("de", "fr"; empty for English) in force for `program` as the
// program does at start, with the matching default locale for Qt's own widgets.
inline bool UseLanguage(const QString& program, const QString& language, const QString& folder) {
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : QLocale(language));
    return InstallTranslations(program, language, folder);
}

}  // namespace common::testing
