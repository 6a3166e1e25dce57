#pragma once

#include <QLabel>
#include <QLineEdit>
#include <array>
#include <cstddef>

#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"

namespace calc {

// A value typed in an entry box or shown, once computed, in a result field at its place.
struct ValueSlot {
    QLineEdit* box = nullptr;
    QLabel* field = nullptr;
};

// The values of a screen that solves from some of them: each has an entry box where it is
// typed and, at the same place, a result field where it shows when it is computed.
template <class Value, std::size_t N>
class ValueSlots {
public:
    using Slot = ValueSlot;

    Slot& operator[](Value v) { return slots_[static_cast<std::size_t>(v)]; }
    const Slot& operator[](Value v) const { return slots_[static_cast<std::size_t>(v)]; }
    Slot* begin() { return slots_.begin(); }
    Slot* end() { return slots_.end(); }

    // Whether a value is typed in its box (a zero in any spelling is not).
    bool Typed(Value v) const { return IsGivenValue(S((*this)[v].box->text())); }

    // The boxes of `first` and `second` show, the fields of all the others.
    void ShowPair(Value first, Value second) {
        for (std::size_t i = 0; i < N; ++i) {
            const auto v = static_cast<Value>(i);
            const bool inPair = v == first || v == second;
            (*this)[v].box->setHidden(!inPair);
            (*this)[v].field->setHidden(inPair);
        }
    }

    // A computed value shows in its field; the typed text it replaces goes, so that a
    // print shows the computed value.
    void ShowComputed(Value v, const QString& text) {
        Slot& slot = (*this)[v];
        slot.field->setText(text);
        slot.field->show();
        slot.box->clear();
        slot.box->hide();
    }

    // Every box empty and shown, every field empty and hidden.
    void Reset() {
        for (Slot& slot : slots_) {
            slot.field->hide();
            slot.field->clear();
            slot.box->show();
            slot.box->clear();
        }
    }

    // What a print shows for a value: the typed one when it is above zero, else the
    // computed one.
    QString PrintText(Value v) const {
        const QString typed = (*this)[v].box->text();
        return ParseNumberText(S(typed)) > 0 ? typed : (*this)[v].field->text();
    }

private:
    std::array<Slot, N> slots_{};
};

}  // namespace calc
