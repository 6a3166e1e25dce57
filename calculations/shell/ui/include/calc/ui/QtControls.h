#pragma once

// Qt forms of the shared control helpers, and the text conversions screens use.

#include <QString>
#include <string>
#include <string_view>

#include "calc/CalcEnv.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace calc {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

// "Arbormate for Tarvik" (English) or "Arbormate" (German, French); with no language
// the label keeps its caption.
void SetTitleCaption(const CalcEnv& env, QLabel* label);
// Selects and captions the inch and metric options for the language; no language:
// nothing changes.
void SetUnitOptions(const CalcEnv& env, QRadioButton* inchOption, QRadioButton* metricOption);
// Editable: unlocked on the window background; not editable: locked on the button face.
void SetBoxEditable(QLineEdit* box, bool editable);
void SetControlVisible(QWidget* control, bool visible);

// The text of an entry box (QLineEdit) or result field (QLabel); empty for anything else.
QString FieldText(const QWidget* field);
void SetFieldText(QWidget* field, const QString& text);

}  // namespace calc
