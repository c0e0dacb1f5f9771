#pragma once
// DTPicker: a date Value between MinDate and MaxDate; a change raises Change.
#include "controles/Control.h"

#include <QDate>

namespace controles {

class DTPicker : public Control {
public:
    DTPicker(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::DTPicker; }

    const QDate& Value() const { return value_; }
    void SetValue(const QDate& date);  // outside MinDate..MaxDate: error 35775

    static QDate MinDate() { return QDate(1601, 1, 1); }
    static QDate MaxDate() { return QDate(9999, 12, 31); }

    Event<> Change;

private:
    QDate value_;
};

}  // namespace controles
