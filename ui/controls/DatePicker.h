#pragma once

#include <QPointer>

#include "ui/controls/TextEdit.h"

class QFrame;

// D: a date edit "dd/mm/yyyy" with the edit mask "__/__/____" and a drop-down calendar whose
// buttons read "None" and "Today". The empty mask reads as the empty text. A text that is not a
// date stays as it was given (shown without the mask) until a date replaces it.
class DatePicker : public TextEdit {
public:
    explicit DatePicker(QWidget* parent = nullptr);

    static constexpr const char* kEmptyMask = "__/__/____";
    static constexpr const char* kInitialText = "01/01/2000";

    QString kindCode() const override { return QStringLiteral("D"); }
    QString text() const override;
    void setText(const QString& text) override;
    // The designed limits of date pickers are shorter than a date; full dates are always taken.
    void setMaxLength(int length) override { designedMaxLength_ = length; }
    int maxLength() const override { return designedMaxLength_; }

    // Opens the calendar below the edit.
    void showCalendar();
    // The calendar while it is open, for tests.
    QFrame* calendarPopup() const { return popup_; }

private:
    void setMasked(bool masked);
    void pick(const QString& text);

    QPointer<QFrame> popup_;
    int designedMaxLength_ = 0;
};
