#pragma once

// For the translation tests: the Alt keys of a window as a translation leaves them. Two
// controls of one window (or two entries of one menu) with the same underlined letter make
// Alt+letter reach only one of them, and a tool tip that names another Alt key than the
// one underlined sends the machinist to the wrong control.

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace common::testing {

namespace detail {

// The underlined letter of `text` ("&Send" gives 'S', "&&" is a plain '&'), upper case;
// null when it has none.
inline QChar MnemonicLetter(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

inline void AddLetter(QMap<QChar, QStringList>& letters, const QString& text) {
    const QChar letter = MnemonicLetter(text);
    if (!letter.isNull()) letters[letter] << text;
}

inline void ReportClashes(QStringList& problems, const QString& where,
                          const QMap<QChar, QStringList>& letters) {
    for (auto it = letters.begin(); it != letters.end(); ++it) {
        if (it.value().size() > 1)
            problems << where + ": Alt+" + it.key() + " on " +
                            it.value().join(QStringLiteral(", "));
    }
}

inline void CheckMenu(QStringList& problems, const QString& where, const QMenu* menu) {
    QMap<QChar, QStringList> letters;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        AddLetter(letters, action->text());
    }
    ReportClashes(problems, where + "/" + menu->title(), letters);
}

}  // namespace detail

// What is wrong with the Alt keys of `window` (empty when nothing): the buttons, labels
// with a buddy and menu bar entries it shows share one set of letters, each menu has its
// own, and a button's tool tip that names "Alt+X" must name its underlined letter.
inline QStringList MnemonicProblems(QWidget* window) {
    const QString where = QString::fromLatin1(window->metaObject()->className());
    QStringList problems;
    QMap<QChar, QStringList> letters;
    static const QRegularExpression altKey(QStringLiteral("\\bAlt\\+(\\w)\\b"));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            detail::CheckMenu(problems, where, menu);
            continue;
        }
        if (w->window() != window || !w->isVisibleTo(window)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            detail::AddLetter(letters, button->text());
            const auto named = altKey.match(button->toolTip());
            if (named.hasMatch() &&
                named.captured(1).toUpper() != QString(detail::MnemonicLetter(button->text())))
                problems << where + ": \"" + button->text() + "\" has the tool tip \"" +
                                button->toolTip() + "\"";
        } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
            detail::AddLetter(letters, label->text());
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* action : bar->actions()) detail::AddLetter(letters, action->text());
        }
    }
    detail::ReportClashes(problems, where, letters);
    return problems;
}

}  // namespace common::testing
