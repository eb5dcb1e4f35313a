#include "ui/controls/DatePicker.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ui/Pictures.h"
#include "ui/Translations.h"

namespace {
constexpr const char* kMask = "99/99/9999;_";

// Dates, the empty text and partly typed dates keep the mask; anything else is shown as it is.
bool fitsMask(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9_ ]{2}/[0-9_ ]{2}/[0-9_ ]{4}$"));
    return text.isEmpty() || pattern.match(text).hasMatch();
}

QString formatDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}
} // namespace

DatePicker::DatePicker(QWidget* parent)
    : TextEdit(parent)
{
    setMasked(true);
    QAction* drop =
        addAction(QIcon(pictures::glyph(pictures::Glyph::Calendar)), QLineEdit::TrailingPosition);
    drop->setToolTip(QStringLiteral("calendrier"));
    connect(drop, &QAction::triggered, this, [this] { showCalendar(); });
    setText(QString::fromLatin1(kInitialText));
}

QString DatePicker::text() const
{
    if (inputMask().isEmpty())
        return QLineEdit::text();
    const QString shown = displayText();
    return shown == QLatin1String(kEmptyMask) ? QString() : shown;
}

void DatePicker::setText(const QString& text)
{
    const QString before = this->text();
    if (text == before)
        return;
    {
        MuteChanges mute(*this);
        setMasked(fitsMask(text));
        QLineEdit::setText(text);
    }
    if (this->text() != before)
        fireChange();
}

void DatePicker::setMasked(bool masked)
{
    if (masked == !inputMask().isEmpty())
        return;
    setInputMask(masked ? QString::fromLatin1(kMask) : QString());
}

void DatePicker::pick(const QString& text)
{
    if (popup_)
        popup_->close();
    setText(text);
    setFocus();
}

void DatePicker::showCalendar()
{
    if (popup_ || isReadOnly() || !isEnabled())
        return;
    auto* popup = new QFrame(this, Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setObjectName(objectName() + "Calendar");
    popup->setFrameShape(QFrame::Box);
    auto* calendar = new QCalendarWidget(popup);
    calendar->setObjectName("Calendar");
    calendar->setLocale(frenchLocale());
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const QDate shown = QDate::fromString(text(), QStringLiteral("dd/MM/yyyy"));
    calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    auto* none = new QPushButton(QStringLiteral("None"), popup);
    none->setObjectName("None");
    auto* today = new QPushButton(QStringLiteral("Today"), popup);
    today->setObjectName("Today");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(none);
    buttons->addStretch();
    buttons->addWidget(today);
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(calendar);
    layout->addLayout(buttons);
    connect(calendar, &QCalendarWidget::clicked, this,
            [this](QDate date) { pick(formatDate(date)); });
    connect(calendar, &QCalendarWidget::activated, this,
            [this](QDate date) { pick(formatDate(date)); });
    connect(none, &QPushButton::clicked, this, [this] { pick(QString()); });
    connect(today, &QPushButton::clicked, this, [this] { pick(formatDate(QDate::currentDate())); });
    popup_ = popup;
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
    calendar->setFocus();
}
