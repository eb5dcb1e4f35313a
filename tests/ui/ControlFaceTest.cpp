// The uniform face of every control kind.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "tests/ui/QtPrinting.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"

namespace {

struct KindCase {
    const char* kind;
    std::function<QWidget*(QWidget*)> make;
    QString first;
    QString second;
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.kind; }
};

ComboBox* comboWith(bool pickList, QWidget* parent)
{
    auto* combo = new ComboBox(pickList, parent);
    combo->setItems({"Alpha", "Beta", "Gamma"});
    return combo;
}

const KindCase kKinds[] = {
    {"T", [](QWidget* p) { return new TextEdit(p); }, "abc", "abd"},
    {"M", [](QWidget* p) { return new MemoEdit(p); }, "ligne 1\r\nligne 2", "ligne 1"},
    {"N", [](QWidget* p) { return new NumberEdit(NumberEdit::Kind::Whole, p); }, "12", "120"},
    {"N2", [](QWidget* p) { return new NumberEdit(NumberEdit::Kind::Decimal, p); }, "12.50",
     "-3.00"},
    {"D", [](QWidget* p) { return new DatePicker(p); }, "15/03/2009", ""},
    {"L", [](QWidget* p) { return comboWith(true, p); }, "Beta", "Gamma"},
    {"C", [](QWidget* p) { return comboWith(false, p); }, "Beta", "Delta"},
    {"Label", [](QWidget* p) { return new TextLabel(p); }, "Site :", "Mobile"},
    {"B", [](QWidget* p) { return new PictureButton(p); }, "VO", "CL"},
    {"P", [](QWidget* p) { return new Panel(p); }, "un", "deux"},
};

class ControlKinds : public testing::TestWithParam<KindCase> {
protected:
    ControlFace& make()
    {
        widget_ = GetParam().make(&parent_);
        auto* face = dynamic_cast<ControlFace*>(widget_);
        face->onChange = [this](ControlFace&) { ++changes_; };
        return *face;
    }

    QWidget parent_;
    QWidget* widget_ = nullptr;
    int changes_ = 0;
};

} // namespace

TEST_P(ControlKinds, SettingATextFiresChangeOnceOnlyWhenItDiffers)
{
    ControlFace& face = make();
    EXPECT_EQ(face.kindCode(), GetParam().kind);
    face.setText(GetParam().first);
    EXPECT_EQ(face.text(), GetParam().first);
    EXPECT_EQ(changes_, 1);
    face.setText(GetParam().first);
    EXPECT_EQ(changes_, 1);
    face.setText(GetParam().second);
    EXPECT_EQ(face.text(), GetParam().second);
    EXPECT_EQ(changes_, 2);
}

TEST_P(ControlKinds, TheFaceSetsTagStateBoundsAndColours)
{
    ControlFace& face = make();
    face.setTag(20003);
    face.setBounds(10, 20, 130, 21);
    face.setEnabled(false);
    face.setVisible(false);
    face.setColor(0x0000FF);
    face.setFontColor(0xFF0000);
    face.setHint("une aide");
    EXPECT_EQ(face.tag(), 20003);
    EXPECT_EQ(QRect(face.left(), face.top(), face.width(), face.height()), QRect(10, 20, 130, 21));
    EXPECT_FALSE(face.isEnabled());
    EXPECT_FALSE(face.isVisible());
    face.setVisible(true);
    // Visible is the control's own flag, also while its window is not shown.
    EXPECT_TRUE(face.isVisible());
    EXPECT_EQ(face.color(), 0x0000FFu);
    EXPECT_EQ(face.fontColor(), 0xFF0000u);
    EXPECT_EQ(widget_->palette().color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(widget_->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(face.hint(), "une aide");
    EXPECT_EQ(face.widget(), widget_);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ControlKinds, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<KindCase>& info) {
                             return std::string(info.param.kind);
                         });

// ---- Keys ----

namespace {
struct KeyCase {
    const char* kind;
    std::function<QWidget*(QWidget*)> make;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.kind; }
};

const KeyCase kTyped[] = {
    {"T", [](QWidget* p) { return new TextEdit(p); }},
    {"M", [](QWidget* p) { return new MemoEdit(p); }},
    {"C", [](QWidget* p) { return new ComboBox(false, p); }},
};

class TypedKinds : public testing::TestWithParam<KeyCase> {
protected:
    ControlFace& make()
    {
        widget_ = GetParam().make(&parent_);
        auto* face = dynamic_cast<ControlFace*>(widget_);
        face->setText("");
        return *face;
    }
    QWidget parent_;
    QWidget* widget_ = nullptr;
};
} // namespace

TEST_P(TypedKinds, KeyPressCanReplaceOrDiscardACharacter)
{
    ControlFace& face = make();
    QString seen;
    face.onKeyPress = [&](ControlFace&, QChar& key) {
        seen += key;
        if (key == 'a')
            key = 'B';
        else if (key == '-' || key == ' ')
            key = QChar(0);
    };
    QTest::keyClicks(widget_, "a-x y");
    EXPECT_EQ(face.text(), "Bxy");
    EXPECT_EQ(seen, "a-x y");
}

TEST_P(TypedKinds, BackspaceIsACharacterThatCanBeDiscarded)
{
    ControlFace& face = make();
    QTest::keyClicks(widget_, "ab");
    bool discard = true;
    face.onKeyPress = [&](ControlFace&, QChar& key) {
        if (key == QChar(8) && discard)
            key = QChar(0);
    };
    QTest::keyClick(widget_, Qt::Key_Backspace);
    EXPECT_EQ(face.text(), "ab");
    discard = false;
    QTest::keyClick(widget_, Qt::Key_Backspace);
    EXPECT_EQ(face.text(), "a");
}

TEST_P(TypedKinds, KeyDownSeesCtrlAndCanDiscardAKey)
{
    ControlFace& face = make();
    QTest::keyClicks(widget_, "abc");
    std::vector<std::pair<int, bool>> downs;
    int ups = 0;
    face.onKeyDown = [&](ControlFace&, int& key, KeyState state) {
        downs.emplace_back(key, state.ctrl);
        if (key == Qt::Key_Backspace)
            key = 0;
    };
    face.onKeyUp = [&](ControlFace&, int&, KeyState) { ++ups; };
    QTest::keyClick(widget_, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(widget_, Qt::Key_Left);
    // Ctrl itself is a key, as S with Ctrl held and then Left.
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[0].first, int(Qt::Key_Control));
    EXPECT_EQ(downs[1], std::make_pair(int(Qt::Key_S), true));
    EXPECT_EQ(downs[2], std::make_pair(int(Qt::Key_Left), false));
    EXPECT_EQ(ups, 3);
    // The key's action is discarded; its character (backspace) still comes to the key press.
    QChar pressed;
    face.onKeyPress = [&](ControlFace&, QChar& key) {
        pressed = key;
        key = QChar(0);
    };
    QTest::keyClick(widget_, Qt::Key_Backspace);
    EXPECT_EQ(pressed, QChar(8));
    EXPECT_EQ(face.text(), "abc");
}

TEST_P(TypedKinds, TypingFiresChangeForEachCharacter)
{
    ControlFace& face = make();
    int changes = 0;
    face.onChange = [&](ControlFace&) { ++changes; };
    QTest::keyClicks(widget_, "xyz");
    EXPECT_EQ(face.text(), "xyz");
    EXPECT_EQ(changes, 3);
}

TEST_P(TypedKinds, CharactersThatCannotBeSavedAreRefusedWithAHint)
{
    ControlFace& face = make();
    widget_->show();
    widget_->setFocus();
    QTest::keyClicks(widget_, "a");
    QTest::sendKeyEvent(QTest::Click, widget_, Qt::Key_unknown, QString::fromUtf8("😀"),
                        Qt::NoModifier);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Caractère refusé : « 😀 » ne peut pas être "
                                                  "enregistré dans la fiche."));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("b€漢c"));
    QTest::keyClick(widget_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(face.text(), QString::fromUtf8("ab€c"));
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("« 漢 »")));
}

INSTANTIATE_TEST_SUITE_P(Kinds, TypedKinds, testing::ValuesIn(kTyped),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             return std::string(info.param.kind);
                         });

// ---- Kind by kind ----

TEST(DatePicker, TheEmptyMaskReadsAsEmpty)
{
    DatePicker date;
    EXPECT_EQ(date.text(), "01/01/2000");
    date.setText("");
    EXPECT_EQ(date.text(), "");
    EXPECT_EQ(date.displayText(), "__/__/____");
    date.setText("__/__/____");
    EXPECT_EQ(date.text(), "");
    date.setCursorPosition(0);
    QTest::keyClicks(&date, "1503");
    EXPECT_EQ(date.text(), "15/03/____");
    QTest::keyClicks(&date, "2009");
    EXPECT_EQ(date.text(), "15/03/2009");
}

TEST(DatePicker, ATextThatIsNoDateStaysAsGiven)
{
    DatePicker date;
    date.setText("abc");
    EXPECT_EQ(date.text(), "abc");
    date.setText("23/06/2009");
    EXPECT_EQ(date.text(), "23/06/2009");
    EXPECT_EQ(date.displayText(), "23/06/2009");
}

TEST(DatePicker, TheCalendarHasNoneAndToday)
{
    QWidget parent;
    auto* date = new DatePicker(&parent);
    int changes = 0;
    date->onChange = [&](ControlFace&) { ++changes; };
    date->showCalendar();
    ASSERT_TRUE(date->calendarPopup());
    auto* today = date->calendarPopup()->findChild<QPushButton*>("Today");
    auto* none = date->calendarPopup()->findChild<QPushButton*>("None");
    ASSERT_TRUE(today && none);
    EXPECT_EQ(today->text(), "Today");
    EXPECT_EQ(none->text(), "None");
    today->click();
    EXPECT_EQ(date->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_EQ(changes, 1);
    date->showCalendar();
    date->calendarPopup()->findChild<QPushButton*>("None")->click();
    EXPECT_EQ(date->text(), "");
    EXPECT_EQ(changes, 2);
}

TEST(ComboBox, ADropDownListRefusesTypedText)
{
    QWidget parent;
    ComboBox* list = comboWith(true, &parent);
    EXPECT_TRUE(list->isPickList());
    list->setText("Beta");
    QTest::keyClicks(list, "zzz");
    EXPECT_EQ(list->text(), "Beta");
    list->setText("Epsilon");
    EXPECT_EQ(list->text(), "");
    EXPECT_EQ(list->itemIndex(), -1);
    // Made editable, it takes any text and keeps its items.
    list->setPickList(false);
    list->setText("Epsilon");
    EXPECT_EQ(list->text(), "Epsilon");
    EXPECT_EQ(list->items(), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(list->kindCode(), "L");
}

TEST(ComboBox, AnEditableBoxCompletesFromItsItems)
{
    QWidget parent;
    ComboBox* combo = comboWith(false, &parent);
    parent.show();
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    combo->setFocus();
    combo->setText("");
    QTest::keyClicks(combo, "ga");
    // Completion keeps what was typed and adds the rest of the item.
    EXPECT_EQ(combo->text(), "gamma");
    combo->setText("Alpha");
    EXPECT_EQ(combo->itemIndex(), 0);
}

TEST(ComboBox, ItemsAndIndexChangeWithoutAChangeEvent)
{
    QWidget parent;
    ComboBox* combo = comboWith(true, &parent);
    int changes = 0;
    combo->onChange = [&](ControlFace&) { ++changes; };
    combo->setItemIndex(2);
    EXPECT_EQ(combo->text(), "Gamma");
    combo->setItems({"Un", "Deux"});
    combo->addItem("Trois");
    EXPECT_EQ(combo->itemCount(), 3);
    EXPECT_EQ(changes, 0);
    // The user's choice is a change.
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(changes, 1);
}

TEST(MemoEdit, LineBreaksReadAsCarriageReturnLineFeed)
{
    MemoEdit memo;
    memo.setText("un\r\ndeux\r\ntrois");
    EXPECT_EQ(memo.toPlainText(), "un\ndeux\ntrois");
    EXPECT_EQ(memo.text(), "un\r\ndeux\r\ntrois");
    // An untouched memo reads back exactly what was written, whatever its line breaks.
    memo.setText("a\nb\rc");
    EXPECT_EQ(memo.text(), "a\nb\rc");
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "d");
    EXPECT_EQ(memo.text(), "a\r\nb\r\nc\r\nd");
}

TEST(MemoEdit, MaximumLengthAndLineBreaksAreKept)
{
    MemoEdit memo;
    memo.setText("");
    memo.setMaxLength(4);
    QTest::keyClicks(&memo, "abcdef");
    EXPECT_EQ(memo.text(), "abcd");
    memo.setText("");
    memo.setLineBreaks(false);
    QTest::keyClicks(&memo, "ab");
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.text(), "ab");
}

TEST(NumberEdit, EachKindTakesWhatItAllows)
{
    struct Case {
        NumberEdit::Kind kind;
        const char* initial;
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {NumberEdit::Kind::Whole, "0", "-1a2.5", "125"},
        {NumberEdit::Kind::Decimal, "0.00", "-12.5x.3", "-12.53"},
        {NumberEdit::Kind::DecimalShownWhole, "0", "3.5", "3.5"},
    };
    for (const Case& c : cases) {
        NumberEdit edit(c.kind);
        EXPECT_EQ(edit.text(), c.initial);
        edit.setText("");
        QTest::keyClicks(&edit, c.typed);
        EXPECT_EQ(edit.text(), c.result) << c.typed;
    }
}

TEST(TextEdit, ALoadedTextLongerThanTheLimitIsKeptWhole)
{
    TextEdit edit;
    edit.setMaxLength(5);
    edit.setText("Bordeaux");
    EXPECT_EQ(edit.text(), "Bordeaux");
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "Bordeaux");
    ComboBox combo(false);
    combo.setMaxLength(3);
    combo.setText("Vernon");
    EXPECT_EQ(combo.text(), "Vernon");
    combo.setText("");
    QTest::keyClicks(&combo, "abcdef");
    EXPECT_EQ(combo.text(), "abc");
}

TEST(TextEdit, AMaximumOfZeroMeansNoLimit)
{
    TextEdit edit;
    edit.setMaxLength(3);
    edit.setText("");
    QTest::keyClicks(&edit, "abcdef");
    EXPECT_EQ(edit.text(), "abc");
    edit.setMaxLength(0);
    QTest::keyClicks(&edit, "def");
    EXPECT_EQ(edit.text(), "abcdef");
    EXPECT_EQ(edit.maxLength(), 0);
}

TEST(Clicks, LabelsButtonsAndMemosReportTheirClicks)
{
    QWidget parent;
    auto* label = new TextLabel(&parent);
    label->resize(60, 20);
    auto* button = new PictureButton(&parent);
    button->resize(40, 40);
    auto* memo = new MemoEdit(&parent);
    memo->resize(100, 40);
    int labelClicks = 0, buttonClicks = 0, doubleClicks = 0;
    label->onClick = [&](ControlFace&) { ++labelClicks; };
    button->onClick = [&](ControlFace&) { ++buttonClicks; };
    memo->onDblClick = [&](ControlFace&) { ++doubleClicks; };
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(ListBox, UserClicksSelectSeveralItemsAndReportAClick)
{
    QWidget parent;
    auto* list = new ListBox(&parent);
    list->resize(120, 100);
    list->setItemHeight(17);
    list->setItems({"A", "B", "C"});
    int clicks = 0;
    list->onClick = [&](ControlFace&) { ++clicks; };
    list->setSelected(2, true);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list->isSelected(0));
    EXPECT_FALSE(list->isSelected(1));
    EXPECT_TRUE(list->isSelected(2));
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 17);
}

TEST(Focus, EnterAndExitFollowTheFocus)
{
    QWidget window;
    auto* first = new TextEdit(&window);
    auto* second = new ComboBox(false, &window);
    second->move(0, 30);
    std::vector<std::string> events;
    first->onEnter = [&](ControlFace&) { events.push_back("enter first"); };
    first->onExit = [&](ControlFace&) { events.push_back("exit first"); };
    second->onEnter = [&](ControlFace&) { events.push_back("enter second"); };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The window's activation gives the first control the focus without an enter.
    ASSERT_TRUE(first->hasFocus());
    second->setFocus();
    first->setFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"exit first", "enter second", "enter first"}));
}
