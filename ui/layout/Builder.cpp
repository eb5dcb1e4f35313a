// Creation of the designed controls from their tables.
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/Pictures.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/ShapeFrame.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"
#include "ui/grid/DataGrid.h"
#include "ui/layout/ControlSpec.h"

namespace {

QWidget* create(Kind kind, QWidget* parent)
{
    switch (kind) {
    case Kind::T:
        return new TextEdit(parent);
    case Kind::M:
        return new MemoEdit(parent);
    case Kind::N:
        return new NumberEdit(NumberEdit::Kind::Whole, parent);
    case Kind::N2:
        return new NumberEdit(NumberEdit::Kind::Decimal, parent);
    case Kind::N0:
        return new NumberEdit(NumberEdit::Kind::DecimalShownWhole, parent);
    case Kind::D:
        return new DatePicker(parent);
    case Kind::L:
        return new ComboBox(true, parent);
    case Kind::C:
        return new ComboBox(false, parent);
    case Kind::LB:
        return new ListBox(parent);
    case Kind::LV:
        return new ListView(parent);
    case Kind::B:
        return new PictureButton(parent);
    case Kind::Label:
        return new TextLabel(parent);
    case Kind::Image:
        return new PictureBox(parent);
    case Kind::Panel:
        return new Panel(parent);
    case Kind::Warning:
        return new WarningPanel(parent);
    case Kind::Grid:
        return new DataGrid(parent);
    case Kind::Shape:
        return new ShapeFrame(parent);
    }
    return nullptr;
}

// The text a control of the kind holds as designed.
QString designedText(const ControlSpec& spec)
{
    if (spec.design.text)
        return QString::fromUtf8(spec.design.text);
    switch (spec.kind) {
    case Kind::T:
    case Kind::M:
        return QStringLiteral("txt") + QString::fromLatin1(spec.name);
    case Kind::N:
    case Kind::N0:
        return QStringLiteral("0");
    case Kind::N2:
        return QStringLiteral("0.00");
    case Kind::D:
        return QString::fromLatin1(DatePicker::kInitialText);
    default:
        return {};
    }
}

void applyFont(QWidget* widget, const Design& design)
{
    if (!design.fontFamily && design.fontHeight == 0 && !(design.flags & flag::Bold))
        return;
    QFont f = widget->font();
    if (design.fontFamily)
        f.setFamily(QString::fromLatin1(design.fontFamily));
    if (design.fontHeight > 0)
        f.setPixelSize(design.fontHeight);
    f.setBold((design.flags & flag::Bold) != 0);
    widget->setFont(f);
}

void applyAlignment(QWidget* widget, unsigned flags)
{
    const Qt::Alignment horizontal = (flags & flag::Centered)       ? Qt::AlignHCenter
                                     : (flags & flag::RightAligned) ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
    if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        edit->setAlignment(horizontal | Qt::AlignVCenter);
    else if (auto* label = dynamic_cast<QLabel*>(widget))
        label->setAlignment(horizontal |
                            (flags & flag::Centered ? Qt::AlignVCenter : Qt::AlignTop));
}

void applyKindDesign(QWidget* widget, const ControlSpec& spec)
{
    const Design& d = spec.design;
    if (auto* memo = dynamic_cast<MemoEdit*>(widget))
        memo->setLineBreaks(!(d.flags & flag::NoLineBreaks));
    if (auto* combo = dynamic_cast<ComboBox*>(widget)) {
        if (d.dropDownCount > 0)
            combo->setMaxVisibleItems(d.dropDownCount);
        combo->setListWidth(d.listWidth);
        if (d.flags & flag::Capitals)
            combo->setCapitals(true);
        if (d.flags & flag::AutoComplete)
            combo->setAutoComplete(true);
        combo->setAutoDropDown((d.flags & flag::AutoDropDown) != 0);
    }
    if (auto* list = dynamic_cast<ListBox*>(widget); list && d.itemHeight > 0)
        list->setItemHeight(d.itemHeight);
    if (auto* button = dynamic_cast<PictureButton*>(widget); button && d.glyph >= 0)
        button->setGlyph(pictures::glyph(pictures::Glyph(d.glyph), 32));
    if (auto* picture = dynamic_cast<PictureBox*>(widget))
        picture->setProportional(!(d.flags & flag::Stretched));
    if (auto* label = dynamic_cast<TextLabel*>(widget); label && (d.flags & flag::Opaque)) {
        label->setAutoFillBackground(true);
        if (d.color == color::None)
            label->setColor(color::ButtonFace);
    }
}

QWidget* build(TAxKelvaro& window, QWidget* parent, const ControlSpec& spec)
{
    QWidget* widget = create(spec.kind, parent);
    widget->setObjectName(QString::fromLatin1(spec.name));
    const Design& d = spec.design;
    applyFont(widget, d);
    auto* face = dynamic_cast<ControlFace*>(widget);
    applyKindDesign(widget, spec);
    if (face) {
        if (d.maxLength > 0)
            face->setMaxLength(d.maxLength);
        face->setText(designedText(spec));
        if (d.hint)
            face->setHint(QString::fromUtf8(d.hint));
        if (d.flags & flag::ReadOnly)
            face->setReadOnly(true);
        if (d.flags & flag::NoSelectOnEnter)
            face->setSelectAllOnEnter(false);
        if (d.color != color::None)
            face->setColor(d.color);
        if (d.fontColor != color::None)
            face->setFontColor(d.fontColor);
        if (d.disabledColor != color::None || d.disabledFontColor != color::None)
            face->setDisabledColors(d.disabledColor, d.disabledFontColor);
    }
    applyAlignment(widget, d.flags);
    if (d.flags & flag::HandCursor)
        widget->setCursor(Qt::PointingHandCursor);
    if (spec.w > 0 && spec.h > 0)
        widget->setGeometry(spec.x, spec.y, spec.w, spec.h);
    else {
        widget->adjustSize();
        widget->move(spec.x, spec.y);
    }
    if (spec.tab < 0 && dynamic_cast<QLabel*>(widget) == nullptr)
        widget->setFocusPolicy((widget->focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus
                                                                         : Qt::NoFocus);
    if (d.flags & flag::Disabled)
        widget->setEnabled(false);
    if (d.flags & flag::Hidden)
        widget->hide();
    if (spec.bind)
        spec.bind(window, widget);
    return widget;
}

} // namespace

void buildControls(TAxKelvaro& window, QWidget* parent, std::span<const ControlSpec> specs)
{
    std::vector<std::pair<int, QWidget*>> order;
    for (const ControlSpec& spec : specs) {
        QWidget* widget = build(window, parent, spec);
        if (spec.tab >= 0)
            order.emplace_back(spec.tab, widget);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}
